#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvex::detail {

// Reduces an evaluable text to one number by rewriting it in five passes of falling precedence:
// bracket groups (each reduced by a nested call on its inside), function names, "^", "*" and "/",
// and finally the signed sum. Every intermediate result goes back into the text as a number token
// "#NumberText(v, 15)#". Working texts live in per-depth buffers kept by the thread, so evaluating
// sample after sample allocates nothing once the buffers have grown.
class ExpressionReducer {
  public:
    // Deeper bracket nesting than this has no value; a formula of 50 characters nests at most 50 deep.
    static constexpr std::size_t kMaxDepth = 256;

    explicit ExpressionReducer(char separator) : separator_(separator) {}

    // True with the value, false when the text has no value; throws ArithmeticError.
    [[nodiscard]] bool reduce(std::string_view text, long double& value) const;

  private:
    [[nodiscard]] bool reduceAt(std::size_t depth, std::string_view text, long double& value) const;
    [[nodiscard]] bool reduceBrackets(std::size_t depth, std::string& text) const;
    [[nodiscard]] bool reduceFunctions(std::string& text) const;
    [[nodiscard]] bool reducePowers(std::string& text) const;
    [[nodiscard]] bool reduceProducts(std::string& text) const;
    // One pass of a binary operator: `find(text, from)` gives the next operator position, and
    // `apply(op, left, right, result)` computes the result or returns false for no value.
    template <class Find, class Apply>
    [[nodiscard]] bool reduceBinary(std::string& text, Find find, Apply apply) const;
    [[nodiscard]] bool sumTerms(const std::string& text, long double& value) const;

    // The token whose opening "#" is taken to stand at `opening` (not examined): its number runs
    // from the next character to the next "#" or the end. Sets `end` just past the token.
    [[nodiscard]] bool numberAfter(const std::string& text, std::size_t opening, long double& value,
                                   std::size_t& end) const;
    // The token whose closing "#" is taken to stand just before the operator at `op` (not examined):
    // its number starts after the nearest "#" before that, or at the start of the text. Sets `begin`
    // to that "#" (or 0).
    [[nodiscard]] bool numberBefore(const std::string& text, std::size_t op, long double& value,
                                    std::size_t& begin) const;
    [[nodiscard]] bool readNumber(std::string_view digits, long double& value) const;
    // Replaces text[begin, end) by the number token of v.
    void putNumber(std::string& text, std::size_t begin, std::size_t end, long double v) const;

    char separator_;
};

} // namespace orvex::detail
