#pragma once

namespace orvex::detail {

// The value that the evaluator reads back from the number token of v: NumberText(v, 15) read with
// ReadNumber. False where that text is not a number (NaN, an infinity, or a value that rounds beyond
// the extended range). Negative zero comes back as +0. Exact: ordinary magnitudes take an integer route
// with one correctly rounded scaling; the others write and read the text.
// v is taken by reference so that its bits are read where it is stored.
[[nodiscard]] bool RoundAsToken(const long double& v, long double& out);

// The same through the text itself: the reference for RoundAsToken, and its route for extreme values.
[[nodiscard]] bool RoundAsTokenByText(long double v, long double& out);

} // namespace orvex::detail
