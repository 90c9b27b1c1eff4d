#pragma once

#include "ArithmeticError.h"

#include <array>
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
//
// A pass that takes samples of the last one only (the same x, or fewer of them when it ends early)
// stores nothing and leaves the trail as it is; one that departs from it stores its own samples, which
// replace the last ones at its end, as far as the memory's budget lets it: a pass that would overspend
// it is not kept, and the last one goes too.
class FormulaTrail {
  public:
    explicit FormulaTrail(SampleMemory& memory) : memory_(memory) {}
    FormulaTrail(const FormulaTrail&) = delete;
    FormulaTrail& operator=(const FormulaTrail&) = delete;
    ~FormulaTrail();

    [[nodiscard]] std::unique_lock<std::mutex> lock() { return std::unique_lock<std::mutex>(mutex_); }

    // Starts a pass: from here on find() walks the last pass and record() builds the new one.
    void begin();
    // The outcome the last pass had at this very x, if it took it; valid until the next call. Samples
    // must come in increasing x.
    [[nodiscard]] const SampleOutcome* find(double x);
    void record(const RecordedSample& sample);
    // Ends a pass: its samples become the trail for the next one.
    void end();

  private:
    // A sample as kept: the extended value in its ten bytes, 24 bytes in all instead of 48.
    struct Stored {
        double x;
        std::array<unsigned char, 10> value;
        SampleOutcome::Kind kind;
        std::uint8_t error;
    };

    [[nodiscard]] static Stored pack(const RecordedSample& sample);
    [[nodiscard]] static SampleOutcome unpack(const Stored& stored);
    [[nodiscard]] static bool same(const Stored& stored, const RecordedSample& sample);
    // Makes room for `more` samples in next_ within the budget; false when the budget is spent.
    [[nodiscard]] bool makeRoom(std::size_t more);
    void releaseNext();
    void releaseLast();

    SampleMemory& memory_;
    std::mutex mutex_;
    std::vector<Stored> last_;
    std::vector<Stored> next_;
    std::size_t lastBytes_ = 0; // taken from the budget for last_ and next_
    std::size_t nextBytes_ = 0;
    std::size_t cursor_ = 0;  // where find() is in last_
    std::size_t matched_ = 0; // samples of this pass equal to the first samples of last_
    bool departed_ = false;   // this pass took a sample that last_ does not have at that place
    bool recording_ = true;   // once departed: next_ holds every sample of this pass so far
    SampleOutcome found_;
};

// The trails of the formulas of recent redraws. Bounded: every trail's storage, kept or being recorded,
// is taken from one budget of bytes, and a pass that would overspend it is not kept.
class SampleMemory {
  public:
    // 48 MiB: two million samples, 1000 graphs of 2000 samples or 20 of the longest passes.
    static constexpr std::size_t kDefaultBudget = std::size_t{48} << 20;

    explicit SampleMemory(std::size_t budgetBytes = kDefaultBudget);

    // The trail of a formula (named by FormulaKey), made on first use.
    [[nodiscard]] std::shared_ptr<FormulaTrail> trailOf(const std::string& key);
    // Forgets every formula not named here (the graphs a redraw no longer draws).
    void keepOnly(const std::vector<std::string>& keys);

    // The bytes the trails hold now (for tests); never more than the budget.
    [[nodiscard]] std::size_t usedBytes() const noexcept { return budget_ - free_.load(); }

  private:
    friend class FormulaTrail;
    // Takes `bytes` from the budget; false (nothing taken) when it would be overspent.
    bool take(std::size_t bytes);
    void giveBack(std::size_t bytes);

    std::mutex mutex_;
    std::unordered_map<std::string, std::shared_ptr<FormulaTrail>> formulas_;
    const std::size_t budget_;
    std::atomic<std::size_t> free_;
};

inline const SampleOutcome* FormulaTrail::find(double x) {
    while (cursor_ < last_.size() && last_[cursor_].x < x)
        ++cursor_;
    if (cursor_ < last_.size() && last_[cursor_].x == x) {
        found_ = unpack(last_[cursor_]);
        return &found_;
    }
    return nullptr;
}

} // namespace orvex
