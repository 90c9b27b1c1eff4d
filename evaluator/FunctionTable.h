#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace orvex::detail {

// A function name found in a working text.
struct FunctionMatch {
    int index = 0;            // position in the function table (search order)
    std::size_t position = 0; // first character of the name's first occurrence
    std::size_t length = 0;   // length of the name
};

// The function whose name comes last in table order among all names occurring anywhere in text, at
// its first occurrence; nothing when no name occurs. A name containing another always comes later in
// the table, so the longer name wins.
[[nodiscard]] std::optional<FunctionMatch> FindFunction(std::string_view text);

// True when `name` is exactly one of the table's function names.
[[nodiscard]] bool IsFunctionName(std::string_view name);

// The value of table function `index` at v. False (no value) for an argument outside its domain;
// throws ArithmeticError when the result leaves the extended range.
// The argument is taken by reference, read where it is stored rather than copied for the call.
[[nodiscard]] bool ApplyFunction(int index, const long double& argument, long double& result);

} // namespace orvex::detail
