#include "ExpressionReducer.h"

#include "Arithmetic.h"
#include "FunctionTable.h"
#include "NumberText.h"
#include "NumberTextBuffer.h"

#include <cmath>
#include <deque>

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

std::string& workingText(std::size_t depth) {
    auto& buffers = workingTexts();
    while (buffers.size() <= depth)
        buffers.emplace_back();
    return buffers[depth];
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

// The first "*" or "/" at or after `from` (a plain loop: find_first_of searches the set per character).
std::size_t findProductOperator(const std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == '*' || text[i] == '/')
            return i;
    return std::string::npos;
}

} // namespace

bool ExpressionReducer::reduce(std::string_view text, long double& value) const {
    const WorkingTextTrim trim;
    return reduceAt(0, text, value);
}

bool ExpressionReducer::reduceAt(std::size_t depth, std::string_view input, long double& value) const {
    if (depth >= kMaxDepth)
        return false;
    std::string& text = workingText(depth);
    text.assign(input);
    return reduceBrackets(depth, text) && reduceFunctions(text) && reducePowers(text) &&
           reduceProducts(text) && sumTerms(text, value);
}

bool ExpressionReducer::reduceBrackets(std::size_t depth, std::string& text) const {
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
        long double inner = 0;
        if (!reduceAt(depth + 1, std::string_view(text).substr(open + 1, close - open - 1), inner))
            return false;
        putNumber(text, open, end, inner);
    }
    return true;
}

bool ExpressionReducer::reduceFunctions(std::string& text) const {
    while (const auto match = FindFunction(text)) {
        long double argument = 0;
        std::size_t end = 0;
        if (!numberAfter(text, match->position + match->length, argument, end))
            return false;
        long double result = 0;
        if (!ApplyFunction(match->index, argument, result))
            return false;
        putNumber(text, match->position, end, result);
    }
    return true;
}

template <class Find, class Apply>
bool ExpressionReducer::reduceBinary(std::string& text, Find find, Apply apply) const {
    for (std::size_t op = find(text, 0); op != std::string::npos; op = find(text, op)) {
        long double right = 0;
        long double left = 0;
        std::size_t end = 0;
        std::size_t begin = 0;
        if (!numberAfter(text, op + 1, right, end) || !numberBefore(text, op, left, begin))
            return false;
        long double result = 0;
        if (!apply(text[op], left, right, result))
            return false;
        putNumber(text, begin, end, result);
        op = begin;
    }
    return true;
}

bool ExpressionReducer::reducePowers(std::string& text) const {
    return reduceBinary(
        text, [](const std::string& t, std::size_t from) { return t.find('^', from); },
        [](char, long double base, long double exponent, long double& result) {
            return RaisePower(base, exponent, result);
        });
}

bool ExpressionReducer::reduceProducts(std::string& text) const {
    return reduceBinary(text, findProductOperator,
                        [](char op, long double left, long double right, long double& result) {
                            if (op == '*') {
                                result = Checked(left * right);
                                return true;
                            }
                            if (std::fabs(right) < kTolerance)
                                return false;
                            result = Checked(left / right);
                            return true;
                        });
}

bool ExpressionReducer::sumTerms(const std::string& text, long double& value) const {
    long double sum = 0;
    std::size_t i = 0;
    do {
        bool negative = false;
        for (; i < text.size() && text[i] != '#'; ++i) {
            if (text[i] == '-')
                negative = !negative;
            else if (text[i] != '+')
                return false;
        }
        long double term = 0;
        if (!numberAfter(text, i, term, i))
            return false;
        sum = Checked(negative ? sum - term : sum + term);
    } while (i < text.size());
    value = sum;
    return true;
}

bool ExpressionReducer::numberAfter(const std::string& text, std::size_t opening, long double& value,
                                    std::size_t& end) const {
    const std::size_t start = opening + 1;
    if (start >= text.size())
        return false; // empty number text
    const std::size_t close = text.find('#', start);
    const std::size_t stop = close == std::string::npos ? text.size() : close;
    end = close == std::string::npos ? text.size() : close + 1;
    return readNumber(std::string_view(text).substr(start, stop - start), value);
}

bool ExpressionReducer::numberBefore(const std::string& text, std::size_t op, long double& value,
                                     std::size_t& begin) const {
    if (op < 2)
        return false; // empty number text
    const std::size_t stop = op - 1;
    const std::size_t opening = text.rfind('#', op - 2);
    const std::size_t start = opening == std::string::npos ? 0 : opening + 1;
    begin = opening == std::string::npos ? 0 : opening;
    return readNumber(std::string_view(text).substr(start, stop - start), value);
}

bool ExpressionReducer::readNumber(std::string_view digits, long double& value) const {
    const auto number = ReadNumber(digits, separator_);
    if (!number)
        return false;
    value = *number;
    return true;
}

void ExpressionReducer::putNumber(std::string& text, std::size_t begin, std::size_t end,
                                  long double v) const {
    char token[kNumberTextCapacity + 2];
    token[0] = '#';
    const std::size_t length = WriteNumberText(token + 1, v, kTokenDigits, separator_);
    token[length + 1] = '#';
    text.replace(begin, end - begin, token, length + 2);
}

} // namespace orvex::detail
