// The memory of samples between redraws: what it gives back is what was recorded, a pass over the same
// x stores nothing again, and its storage never exceeds its budget, however many passes over other x
// come and go.
#include "SampleMemory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvex {
namespace {

RecordedSample Sample(double x) {
    RecordedSample s;
    s.x = x;
    if (x < 0) {
        s.outcome.kind = SampleOutcome::Kind::NoValue;
    } else if (x > 90) {
        s.outcome.kind = SampleOutcome::Kind::Error;
        s.outcome.error = ArithmeticError::Kind::DivisionByZero;
    } else {
        s.outcome.kind = SampleOutcome::Kind::Value;
        s.outcome.value = std::sqrt(static_cast<long double>(x)) / 3; // all 64 bits of the mantissa in use
    }
    return s;
}

// One pass of n samples from `start` in steps of `step`, as the plotter makes it: find, then record.
// Returns how many samples the trail knew.
int Pass(FormulaTrail& trail, double start, double step, int n) {
    const auto hold = trail.lock();
    trail.begin();
    int known = 0;
    for (int i = 0; i < n; ++i) {
        const RecordedSample expected = Sample(start + step * i);
        if (const SampleOutcome* found = trail.find(expected.x)) {
            ++known;
            EXPECT_EQ(found->kind, expected.outcome.kind);
            EXPECT_EQ(found->value, expected.outcome.value); // bit for bit
            EXPECT_EQ(found->error, expected.outcome.error);
        }
        trail.record(expected);
    }
    trail.end();
    return known;
}

TEST(SampleMemory, GivesBackWhatWasRecordedAndStoresARepeatedPassOnce) {
    SampleMemory memory;
    FormulaTrail& trail = *memory.trailOf(FormulaKey("x", '.'));
    EXPECT_EQ(Pass(trail, -10, 0.5, 400), 0);
    const std::size_t stored = memory.usedBytes();
    EXPECT_GT(stored, 0u);
    EXPECT_LE(stored, 400 * 32u); // 24 bytes a sample, a quarter more at the most
    EXPECT_EQ(Pass(trail, -10, 0.5, 400), 400);
    EXPECT_EQ(memory.usedBytes(), stored);      // the same samples again: nothing new stored
    EXPECT_EQ(Pass(trail, -10, 0.5, 150), 150); // a pass that ends early leaves the trail as it was
    EXPECT_EQ(Pass(trail, -10, 0.5, 400), 400);
    EXPECT_EQ(Pass(trail, -5, 0.5, 400), 390); // moved: what it shares is found, the rest is new
    EXPECT_EQ(Pass(trail, -5, 0.5, 400), 400);
    EXPECT_EQ(Pass(trail, -5.25, 0.5, 400), 0);
    memory.keepOnly({});
    EXPECT_EQ(memory.usedBytes(), 0u);
}

TEST(SampleMemory, NeverHoldsMoreThanItsBudget) {
    constexpr std::size_t kBudget = 1 << 20;
    SampleMemory memory(kBudget);
    std::vector<std::string> keys;
    for (int f = 0; f < 30; ++f)
        keys.push_back(FormulaKey("x+" + std::to_string(f), '.'));
    // Redraws over other x every time, with passes of 20000 samples (480 kB each): two fit at the most.
    std::size_t kept = 0;
    for (int redraw = 0; redraw < 6; ++redraw) {
        for (const std::string& key : keys) {
            (void)Pass(*memory.trailOf(key), redraw * 0.001, 0.01, 20000);
            EXPECT_LE(memory.usedBytes(), kBudget);
        }
        memory.keepOnly(keys);
        kept = std::max(kept, memory.usedBytes());
    }
    EXPECT_GT(kept, kBudget / 3); // it does keep what fits
}

} // namespace
} // namespace orvex
