#include "Evaluator.h"

#include "ExpressionReducer.h"
#include "NumberText.h"
#include "NumberTextBuffer.h"

#include <algorithm>

namespace orvex {

std::string SubstituteVariable(std::string_view prepared, char var, long double x) {
    return SubstituteVariable(prepared, var, x, DecimalSeparator());
}

std::string SubstituteVariable(std::string_view prepared, char var, long double x, char separator) {
    char number[detail::kNumberTextCapacity];
    const std::size_t length = detail::WriteNumberText(number, x, 15, separator);
    const std::string_view numberText(number, length);

    const auto count = static_cast<std::size_t>(std::count(prepared.begin(), prepared.end(), var));
    std::string result;
    result.reserve(prepared.size() + count * length);
    std::size_t from = 0;
    for (std::size_t at = prepared.find(var); at != std::string_view::npos; at = prepared.find(var, from)) {
        result.append(prepared, from, at - from);
        result.append(numberText);
        from = at + 1;
    }
    result.append(prepared, from);
    return result;
}

bool EvaluateExpression(std::string_view text, long double& value) {
    return EvaluateExpression(text, value, DecimalSeparator());
}

bool EvaluateExpression(std::string_view text, long double& value, char separator) {
    return detail::ExpressionReducer(separator).reduce(text, value);
}

} // namespace orvex
