#pragma once

#include "FunctionTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvex::detail {

// The five passes of the evaluator over a working text: bracket groups (each reduced by a nested call
// on its inside), function names, "^", "*" and "/", and finally the signed sum. Every operator is
// replaced together with its operands by a number token "#...#" holding its result.
//
// The passes decide everything from the characters of the text; what a number token stands for and
// what the operations compute belongs to the Values policy. The text evaluator's policy holds long
// double values and writes their 15-digit texts; the formula compiler's policy holds program registers
// and writes markers for them, so that running the same passes records the program.
//
// A Values policy provides:
//   using Value;
//   std::string& workingText(std::size_t depth);          // a buffer per bracket depth
//   bool read(std::string_view numberText, Value&);        // false: the evaluation ends with no value
//   void write(std::string& text, std::size_t begin, std::size_t end, const Value&); // the token
//   bool function(int index, const Value& argument, Value& result);
//   bool power(const Value& base, const Value& exponent, Value& result);
//   bool product(bool divide, const Value& left, const Value& right, Value& result);
//   Value zero();                                          // the empty sum
//   void accumulate(Value& sum, bool negative, const Value& term);
//   void strayCharacter(char c);                           // the sum pass fails on c
template <class Values> class ExpressionPasses {
  public:
    using Value = typename Values::Value;

    // Deeper bracket nesting than this has no value; a formula of 50 characters nests at most 50 deep.
    static constexpr std::size_t kMaxDepth = 256;

    explicit ExpressionPasses(Values& values) : values_(values) {}

    // Reduces `input` at bracket depth `depth`. False when it has no value.
    [[nodiscard]] bool reduce(std::size_t depth, std::string_view input, Value& value) {
        if (depth >= kMaxDepth)
            return false;
        std::string& text = values_.workingText(depth);
        text.assign(input);
        return reduceBrackets(depth, text) && reduceFunctions(text) && reducePowers(text) &&
               reduceProducts(text) && sumTerms(text, value);
    }

  private:
    [[nodiscard]] bool reduceBrackets(std::size_t depth, std::string& text) {
        // Nothing left of a reduced group holds "(", so each search starts where the last group stood.
        for (std::size_t open = text.find('('); open != std::string::npos; open = text.find('(', open)) {
            int level = 1;
            std::size_t close = open + 1;
            for (; close < text.size(); ++close) {
                if (text[close] == '(')
                    ++level;
                else if (text[close] == ')' && --level == 0)
                    break;
            }
            // Without a matching ")" the group runs to the end, as if one were appended there.
            const std::size_t end = close < text.size() ? close + 1 : text.size();
            Value inner{};
            if (!reduce(depth + 1, std::string_view(text).substr(open + 1, close - open - 1), inner))
                return false;
            values_.write(text, open, end, inner);
        }
        return true;
    }

    [[nodiscard]] bool reduceFunctions(std::string& text) {
        while (const auto match = FindFunction(text)) {
            Value argument{};
            std::size_t end = 0;
            if (!numberAfter(text, match->position + match->length, argument, end))
                return false;
            Value result{};
            if (!values_.function(match->index, argument, result))
                return false;
            values_.write(text, match->position, end, result);
        }
        return true;
    }

    // One pass of a binary operator: `find(text, from)` gives the next operator position, and
    // `apply(op, left, right, result)` computes the result or returns false for no value.
    template <class Find, class Apply>
    [[nodiscard]] bool reduceBinary(std::string& text, Find find, Apply apply) {
        for (std::size_t op = find(text, 0); op != std::string::npos; op = find(text, op)) {
            Value right{};
            Value left{};
            std::size_t end = 0;
            std::size_t begin = 0;
            if (!numberAfter(text, op + 1, right, end) || !numberBefore(text, op, left, begin))
                return false;
            Value result{};
            if (!apply(text[op], left, right, result))
                return false;
            values_.write(text, begin, end, result);
            op = begin;
        }
        return true;
    }

    [[nodiscard]] bool reducePowers(std::string& text) {
        return reduceBinary(
            text, [](const std::string& t, std::size_t from) { return t.find('^', from); },
            [this](char, const Value& base, const Value& exponent, Value& result) {
                return values_.power(base, exponent, result);
            });
    }

    [[nodiscard]] bool reduceProducts(std::string& text) {
        return reduceBinary(text, findProductOperator,
                            [this](char op, const Value& left, const Value& right, Value& result) {
                                return values_.product(op == '/', left, right, result);
                            });
    }

    [[nodiscard]] bool sumTerms(const std::string& text, Value& value) {
        Value sum = values_.zero();
        std::size_t i = 0;
        do {
            bool negative = false;
            for (; i < text.size() && text[i] != '#'; ++i) {
                if (text[i] == '-') {
                    negative = !negative;
                } else if (text[i] != '+') {
                    values_.strayCharacter(text[i]);
                    return false;
                }
            }
            Value term{};
            if (!numberAfter(text, i, term, i))
                return false;
            values_.accumulate(sum, negative, term);
        } while (i < text.size());
        value = sum;
        return true;
    }

    // The first "*" or "/" at or after `from` (a plain loop: find_first_of searches the set per character).
    static std::size_t findProductOperator(const std::string& text, std::size_t from) {
        for (std::size_t i = from; i < text.size(); ++i)
            if (text[i] == '*' || text[i] == '/')
                return i;
        return std::string::npos;
    }

    // The token whose opening "#" is taken to stand at `opening` (not examined): its number runs
    // from the next character to the next "#" or the end. Sets `end` just past the token.
    [[nodiscard]] bool numberAfter(const std::string& text, std::size_t opening, Value& value,
                                   std::size_t& end) {
        const std::size_t start = opening + 1;
        if (start >= text.size())
            return false; // empty number text
        const std::size_t close = text.find('#', start);
        const std::size_t stop = close == std::string::npos ? text.size() : close;
        end = close == std::string::npos ? text.size() : close + 1;
        return values_.read(std::string_view(text).substr(start, stop - start), value);
    }

    // The token whose closing "#" is taken to stand just before the operator at `op` (not examined):
    // its number starts after the nearest "#" before that, or at the start of the text. Sets `begin`
    // to that "#" (or 0).
    [[nodiscard]] bool numberBefore(const std::string& text, std::size_t op, Value& value,
                                    std::size_t& begin) {
        if (op < 2)
            return false; // empty number text
        const std::size_t stop = op - 1;
        const std::size_t opening = text.rfind('#', op - 2);
        const std::size_t start = opening == std::string::npos ? 0 : opening + 1;
        begin = opening == std::string::npos ? 0 : opening;
        return values_.read(std::string_view(text).substr(start, stop - start), value);
    }

    Values& values_;
};

} // namespace orvex::detail
