#pragma once

#include "FunctionStudy.h"

#include <string>
#include <vector>

namespace orvex {

// One item of a study as the panel lists it: a title, its facts, and what the method cannot see. UTF-8;
// numbers as PointText writes them (12 significant digits, the separator in force).
struct StudySection {
    std::string title;
    std::vector<std::string> lines;
    std::string limits;
};

// The eight items in the order they are taught: domain, parity, intersections with the axes, sign,
// f' with monotonicity and extrema, f'' with convexity and inflection points, asymptotes, range. Long
// lists are cut after kMaxListed entries with a count of the rest.
[[nodiscard]] std::vector<StudySection> StudySections(const FunctionStudy& study);

inline constexpr std::size_t kMaxListed = 30;

// "[a; b)", "(a; b]", "{a}" for an interval of one point.
[[nodiscard]] std::string IntervalText(const StudyInterval& interval);

} // namespace orvex
