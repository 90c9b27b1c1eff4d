#pragma once

namespace orvex::analysis {

// The number with the fewest significant decimal digits in [lo, hi] (0 when the interval holds it), as
// the nearest double; the middle of the interval when no decimal of up to 17 digits falls inside. A
// refined point is only known to lie somewhere in a tiny interval, and the shortest decimal in it reads
// best: 1 rather than 1.0000000000000002, 0 rather than -2.7E-17.
[[nodiscard]] double ShortestDecimal(double lo, double hi);

} // namespace orvex::analysis
