#pragma once

#include <algorithm>
#include <cstddef>

namespace orvex::study {

// The evaluations a study may spend on refining the points it found between samples (borders of the
// domain, changes of sign, extrema, approaches to asymptotes). A range crowded with features (a noisy
// formula over -1E300..1E300) would otherwise take minutes; once the budget is spent, points stay where
// the refinement had got them, at worst at a sample.
class StudyBudget {
  public:
    static constexpr std::size_t kEvaluations = 40000;

    // One call of a function that evaluates the formula `evaluations` times (a numeric derivative takes
    // two or three); false once the budget is spent.
    bool spend(std::size_t evaluations = 1) noexcept {
        if (left_ == 0)
            return false;
        left_ -= std::min(left_, evaluations);
        return true;
    }
    [[nodiscard]] bool spent() const noexcept { return left_ == 0; }

  private:
    std::size_t left_ = kEvaluations;
};

} // namespace orvex::study
