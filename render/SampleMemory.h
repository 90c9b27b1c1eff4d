#pragma once

#include "ArithmeticError.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvex {

// What one evaluation gave: a value, no value, or an arithmetic error.
struct SampleOutcome {
    enum class Kind : std::uint8_t { Value, NoValue, Error };
    Kind kind = Kind::NoValue;
    ArithmeticError::Kind error = ArithmeticError::Kind::Overflow;
    long double value = 0;
};

// One sample of a pass: x and the outcome there.
struct RecordedSample {
    double x = 0;
    SampleOutcome outcome;
};

class SampleMemory;

// Names a formula in the memory: its first 50 characters and the decimal separator they are read with,
// which together decide every value.
[[nodiscard]] std::string FormulaKey(std::string_view formula, char separator);

// The samples of a formula's last pass, in increasing x. A new pass walks them alongside its own x
// (both increase), so a redraw that samples the same x (the same limits and quality: a check mark, a
// colour, a resize, a view command on the y axis) takes the outcomes it has seen in order, without
// evaluating again and without searching. (A view moved along x samples other x: the running x collects
// its rounding from another start, and the evaluator sees that in x's 15 digits.) Whoever uses it holds
// lock() for the length of a pass.
class FormulaTrail {
  public:
    explicit FormulaTrail(SampleMemory& memory) : memory_(memory) {}
    FormulaTrail(const FormulaTrail&) = delete;
    FormulaTrail& operator=(const FormulaTrail&) = delete;
    ~FormulaTrail();

    [[nodiscard]] std::unique_lock<std::mutex> lock() { return std::unique_lock<std::mutex>(mutex_); }

    // Starts a pass: from here on find() walks the last pass and record() builds the new one.
    void begin();
    // The outcome the last pass had at this very x, if it took it. Samples must come in increasing x.
    [[nodiscard]] const SampleOutcome* find(double x);
    void record(const RecordedSample& sample);
    // Ends a pass: its samples become the trail for the next one (within the memory's budget).
    void end();

  private:
    SampleMemory& memory_;
    std::mutex mutex_;
    std::vector<RecordedSample> last_;
    std::vector<RecordedSample> next_;
    std::size_t cursor_ = 0;
    bool recording_ = true;
};

// The trails of the formulas of recent redraws. Bounded: a pass whose samples would overspend the budget
// is not kept.
class SampleMemory {
  public:
    // About 1.5 million samples (32 bytes each, some 48 MiB at the most): 700 graphs of 2000 samples.
    explicit SampleMemory(std::size_t sampleBudget = 1'500'000);

    // The trail of a formula (named by FormulaKey), made on first use.
    [[nodiscard]] std::shared_ptr<FormulaTrail> trailOf(const std::string& key);
    // Forgets every formula not named here (the graphs a redraw no longer draws).
    void keepOnly(const std::vector<std::string>& keys);

  private:
    friend class FormulaTrail;
    // Takes `samples` from the budget; false (nothing taken) when it would be overspent.
    bool take(std::size_t samples);
    void giveBack(std::size_t samples);

    std::mutex mutex_;
    std::unordered_map<std::string, std::shared_ptr<FormulaTrail>> formulas_;
    std::atomic<std::size_t> free_;
};

inline const SampleOutcome* FormulaTrail::find(double x) {
    while (cursor_ < last_.size() && last_[cursor_].x < x)
        ++cursor_;
    if (cursor_ < last_.size() && last_[cursor_].x == x)
        return &last_[cursor_].outcome;
    return nullptr;
}

} // namespace orvex
