#include "ExpressionReducer.h"

#include "Arithmetic.h"
#include "ExpressionPasses.h"
#include "FunctionTable.h"
#include "NumberText.h"
#include "NumberTextBuffer.h"

#include <deque>
#include <string>

namespace orvex::detail {

namespace {

constexpr int kTokenDigits = 15;

// Working texts longer than this are not kept between calls (texts of formulas stay far below).
constexpr std::size_t kKeptCapacity = 16384;

// One working text per bracket depth; a deque keeps references valid while deeper levels are added.
std::deque<std::string>& workingTexts() {
    thread_local std::deque<std::string> buffers;
    return buffers;
}

// Gives back the memory of exceptionally long working texts when the outermost call ends.
class WorkingTextTrim {
  public:
    WorkingTextTrim() = default;
    WorkingTextTrim(const WorkingTextTrim&) = delete;
    WorkingTextTrim& operator=(const WorkingTextTrim&) = delete;
    ~WorkingTextTrim() {
        for (auto& text : workingTexts()) {
            if (text.capacity() > kKeptCapacity) {
                text.clear();
                text.shrink_to_fit();
            }
        }
    }
};

// The values of the text evaluator: numbers, read from and written to the text.
class TextValues {
  public:
    using Value = long double;

    explicit TextValues(char separator) : separator_(separator) {}

    static std::string& workingText(std::size_t depth) {
        auto& buffers = workingTexts();
        while (buffers.size() <= depth)
            buffers.emplace_back();
        return buffers[depth];
    }

    [[nodiscard]] bool read(std::string_view digits, long double& value) const {
        const auto number = ReadNumber(digits, separator_);
        if (!number)
            return false;
        value = *number;
        return true;
    }

    void write(std::string& text, std::size_t begin, std::size_t end, long double v) const {
        char token[kNumberTextCapacity + 2];
        token[0] = '#';
        const std::size_t length = WriteNumberText(token + 1, v, kTokenDigits, separator_);
        token[length + 1] = '#';
        text.replace(begin, end - begin, token, length + 2);
    }

    [[nodiscard]] static bool function(int index, long double argument, long double& result) {
        return ApplyFunction(index, argument, result);
    }

    [[nodiscard]] static bool power(long double base, long double exponent, long double& result) {
        return RaisePower(base, exponent, result);
    }

    [[nodiscard]] static bool product(bool divide, long double left, long double right, long double& result) {
        return MultiplyOrDivide(divide, left, right, result);
    }

    [[nodiscard]] static long double zero() { return 0; }

    static void accumulate(long double& sum, bool negative, long double term) {
        sum = AddTerm(sum, negative, term);
    }

    static void strayCharacter(char) {}

  private:
    char separator_;
};

} // namespace

bool ExpressionReducer::reduce(std::string_view text, long double& value) const {
    const WorkingTextTrim trim;
    TextValues values(separator_);
    return ExpressionPasses<TextValues>(values).reduce(0, text, value);
}

} // namespace orvex::detail
