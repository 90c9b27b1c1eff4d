#include "FormulaCompiler.h"

#include "ExpressionPasses.h"
#include "NumberText.h"
#include "ProgramBuilder.h"

#include <algorithm>
#include <deque>
#include <string>

namespace orvex::detail {

namespace {

using Slot = ProgramBuilder::Slot;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isPlainCharacter(char c) {
    static constexpr std::string_view kSigns = " .,+-*/^()|:";
    return isLetter(c) || isDigit(c) || kSigns.find(c) != std::string_view::npos;
}

// The formula as typed: plain characters only, and bars that pair up.
bool hasPlainCharacters(std::string_view formula) {
    return std::all_of(formula.begin(), formula.end(), isPlainCharacter) &&
           std::count(formula.begin(), formula.end(), '|') % 2 == 0;
}

// The prepared text: every token holding the variable is the variable alone, and no operand (a token
// or a closing bracket) is followed directly by another (a token, a bracket or a name).
bool hasPlainTokens(std::string_view prepared, char var) {
    bool inToken = false;
    bool afterOperand = false;
    std::size_t tokenStart = 0;
    auto plainToken = [&](std::size_t end) {
        const std::string_view token = prepared.substr(tokenStart, end - tokenStart);
        return token.find(var) == std::string_view::npos || token.size() == 1;
    };
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        const char c = prepared[i];
        if (c == '#') {
            if (inToken && !plainToken(i))
                return false;
            if (!inToken && afterOperand)
                return false;
            inToken = !inToken;
            tokenStart = i + 1;
            afterOperand = !inToken;
        } else if (!inToken) {
            if (afterOperand && (c == '(' || isLetter(c)))
                return false;
            afterOperand = c == ')';
        }
    }
    return !inToken || plainToken(prepared.size()); // a token cut at the end runs to the end
}

// A value in the symbolic text: "\x01" and two bytes with the high bit set holding the slot. None of
// these bytes occurs in an accepted formula or matches anything the passes look for, and a marker is
// never split. It is longer than one character so that an operator found at position 0 or 1, which
// the passes treat as having no operand before it, never has a whole value before it.
constexpr char kMarkerStart = '\x01';
constexpr std::size_t kMarkerLength = 3;
constexpr Slot kMaxMarkedSlot = 0x3fff;

bool isSlotByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

bool isMarkerByte(char c) {
    return c == kMarkerStart || isSlotByte(c);
}

void appendMarker(std::string& out, Slot slot) {
    out += kMarkerStart;
    out += static_cast<char>(0x80 | (slot >> 7));
    out += static_cast<char>(0x80 | (slot & 0x7f));
}

// The values of the symbolic run: slots of the program being built. A number text is either a literal,
// read now as the text evaluator would read it, or exactly one marker, which the program reads back
// at run time; anything else makes the formula refused.
class SymbolicValues {
  public:
    using Value = Slot;

    SymbolicValues(ProgramBuilder& builder, char separator) : builder_(builder), separator_(separator) {}

    [[nodiscard]] bool refused() const noexcept { return refused_; }

    std::string& workingText(std::size_t depth) {
        while (texts_.size() <= depth)
            texts_.emplace_back();
        return texts_[depth];
    }

    [[nodiscard]] bool read(std::string_view text, Slot& value) {
        if (std::none_of(text.begin(), text.end(), isMarkerByte)) {
            const auto number = ReadNumber(text, separator_);
            if (!number)
                return false; // no value for every x: the program ends here
            value = builder_.constant(*number);
            return true;
        }
        if (text.size() != kMarkerLength || text[0] != kMarkerStart || !isSlotByte(text[1]) ||
            !isSlotByte(text[2]))
            return refuse(); // the number would depend on the digits of a value
        const auto slot = static_cast<Slot>(((static_cast<unsigned char>(text[1]) & 0x7f) << 7) |
                                            (static_cast<unsigned char>(text[2]) & 0x7f));
        value = builder_.emit(Opcode::Read, slot);
        return true;
    }

    void write(std::string& text, std::size_t begin, std::size_t end, Slot value) {
        if (value > kMaxMarkedSlot)
            refuse();
        std::string token = "#";
        appendMarker(token, value);
        token += '#';
        text.replace(begin, end - begin, token);
    }

    [[nodiscard]] bool function(int index, Slot argument, Slot& result) {
        result = builder_.emit(Opcode::Function, argument, argument, index);
        return true;
    }

    [[nodiscard]] bool power(Slot base, Slot exponent, Slot& result) {
        result = builder_.emit(Opcode::Power, base, exponent);
        return true;
    }

    [[nodiscard]] bool product(bool divide, Slot left, Slot right, Slot& result) {
        result = builder_.emit(divide ? Opcode::Divide : Opcode::Multiply, left, right);
        return true;
    }

    // The empty sum; its first term becomes 0 + term.
    [[nodiscard]] static Slot zero() { return kEmptySum; }

    void accumulate(Slot& sum, bool negative, Slot term) {
        if (sum == kEmptySum)
            sum = builder_.emit(negative ? Opcode::CheckNegated : Opcode::Check, term);
        else
            sum = builder_.emit(negative ? Opcode::Subtract : Opcode::Add, sum, term);
    }

    // The text evaluator meets a character of a value's digits here, which may be a sign.
    void strayCharacter(char c) {
        if (isMarkerByte(c))
            refuse();
    }

  private:
    static constexpr Slot kEmptySum = 0xffff;

    bool refuse() {
        refused_ = true;
        return false;
    }

    ProgramBuilder& builder_;
    char separator_;
    std::deque<std::string> texts_;
    bool refused_ = false;
};

} // namespace

std::optional<FormulaProgram> CompileFormula(std::string_view formula, std::string_view prepared, char var,
                                             char separator) {
    if (var < 'a' || var > 'z' || (separator != '.' && separator != ','))
        return std::nullopt;
    if (!hasPlainCharacters(formula) || !hasPlainTokens(prepared, var))
        return std::nullopt;

    std::string text;
    for (const char c : prepared) {
        if (c == var)
            appendMarker(text, ProgramBuilder::kX);
        else
            text += c;
    }
    ProgramBuilder builder;
    SymbolicValues values(builder, separator);
    Slot result = ProgramBuilder::kX;
    const bool hasValue = ExpressionPasses<SymbolicValues>(values).reduce(0, text, result);
    if (values.refused())
        return std::nullopt;
    return hasValue ? builder.finish(result) : builder.finishFailing();
}

} // namespace orvex::detail
