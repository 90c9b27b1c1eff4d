#pragma once

#include <array>
#include <optional>

namespace orvex::analysis {

// Values of a function at u = -2, -1.5, ..., 2 (nine points, u in units of the half-width of a flat
// stretch around an extremum).
using FitValues = std::array<long double, 9>;

struct FittedExtremum {
    long double u;           // where the fitted cubic's slope is 0, nearest u = 0
    long double uncertainty; // its standard error from the scatter of the values about the fit
};

// Fits a cubic to the values by least squares and returns its stationary point nearest 0, when one lies
// within |u| <= 1. The cubic term takes up the unevenness of a real extremum, and the fit averages out
// the rounding noise of single values, so the point comes out far more accurately than by comparing
// values.
[[nodiscard]] std::optional<FittedExtremum> FitCubicExtremum(const FitValues& values);

} // namespace orvex::analysis
