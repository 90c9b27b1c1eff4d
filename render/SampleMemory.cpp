#include "SampleMemory.h"

#include "Evaluator.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_set>

namespace orvex {

namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "the extended format fills ten bytes");

// next_ grows by half its size, at least by this many samples: a pass's length is not known ahead.
constexpr std::size_t kFirstSamples = 1024;
// A kept trail wasting more than a quarter of its storage is cut to its size.
constexpr std::size_t kWasteShare = 4;

} // namespace

std::string FormulaKey(std::string_view formula, char separator) {
    std::string key(formula.substr(0, kMaxFormulaLength));
    key += '\0';
    key += separator;
    return key;
}

FormulaTrail::~FormulaTrail() {
    memory_.giveBack(lastBytes_ + nextBytes_);
}

FormulaTrail::Stored FormulaTrail::pack(const RecordedSample& sample) {
    Stored stored{};
    stored.x = sample.x;
    std::memcpy(stored.value.data(), &sample.outcome.value, stored.value.size());
    stored.kind = sample.outcome.kind;
    stored.error = static_cast<std::uint8_t>(sample.outcome.error);
    return stored;
}

SampleOutcome FormulaTrail::unpack(const Stored& stored) {
    SampleOutcome outcome;
    outcome.kind = stored.kind;
    outcome.error = static_cast<ArithmeticError::Kind>(stored.error);
    std::memcpy(&outcome.value, stored.value.data(), stored.value.size());
    return outcome;
}

bool FormulaTrail::same(const Stored& stored, const RecordedSample& sample) {
    const Stored other = pack(sample);
    return stored.x == other.x && stored.value == other.value && stored.kind == other.kind &&
           stored.error == other.error;
}

void FormulaTrail::begin() {
    cursor_ = 0;
    matched_ = 0;
    departed_ = false;
    recording_ = true;
    releaseNext();
}

bool FormulaTrail::makeRoom(std::size_t more) {
    if (next_.capacity() - next_.size() >= more)
        return true;
    const std::size_t samples = next_.size() + std::max({more, kFirstSamples, next_.size() / 2});
    const std::size_t bytes = samples * sizeof(Stored);
    if (!memory_.take(bytes))
        return false;
    std::vector<Stored> grown;
    grown.reserve(samples);
    grown.assign(next_.begin(), next_.end());
    next_.swap(grown);
    memory_.giveBack(nextBytes_);
    nextBytes_ = bytes;
    return true;
}

void FormulaTrail::record(const RecordedSample& sample) {
    if (!departed_) {
        if (matched_ < last_.size() && same(last_[matched_], sample)) {
            ++matched_; // the last pass's own sample: nothing to store while the passes agree
            return;
        }
        departed_ = true;
        // From here on this pass makes a trail of its own, starting with the samples it shared.
        recording_ = makeRoom(matched_ + 1);
        if (recording_)
            next_.assign(last_.begin(), last_.begin() + static_cast<std::ptrdiff_t>(matched_));
    }
    if (!recording_)
        return;
    if (makeRoom(1)) {
        next_.push_back(pack(sample));
        return;
    }
    recording_ = false; // over the budget: this pass is not kept
    releaseNext();
}

void FormulaTrail::end() {
    cursor_ = 0;
    if (!departed_)
        return; // the pass took samples of the last one only, which stay the trail
    releaseLast();
    if (recording_) {
        last_.swap(next_);
        std::swap(lastBytes_, nextBytes_);
        if (last_.capacity() - last_.size() > last_.capacity() / kWasteShare) {
            last_.shrink_to_fit();
            const std::size_t bytes = last_.capacity() * sizeof(Stored);
            memory_.giveBack(lastBytes_ - bytes);
            lastBytes_ = bytes;
        }
    }
    releaseNext();
}

void FormulaTrail::releaseNext() {
    std::vector<Stored>().swap(next_); // frees the storage (assigning {} would keep it)
    memory_.giveBack(nextBytes_);
    nextBytes_ = 0;
}

void FormulaTrail::releaseLast() {
    std::vector<Stored>().swap(last_);
    memory_.giveBack(lastBytes_);
    lastBytes_ = 0;
}

SampleMemory::SampleMemory(std::size_t budgetBytes) : budget_(budgetBytes), free_(budgetBytes) {}

std::shared_ptr<FormulaTrail> SampleMemory::trailOf(const std::string& key) {
    const std::lock_guard<std::mutex> guard(mutex_);
    auto& trail = formulas_[key];
    if (!trail)
        trail = std::make_shared<FormulaTrail>(*this);
    return trail;
}

void SampleMemory::keepOnly(const std::vector<std::string>& keys) {
    const std::unordered_set<std::string> kept(keys.begin(), keys.end());
    const std::lock_guard<std::mutex> guard(mutex_);
    std::erase_if(formulas_, [&kept](const auto& entry) { return !kept.contains(entry.first); });
}

bool SampleMemory::take(std::size_t bytes) {
    std::size_t available = free_.load();
    do {
        if (available < bytes)
            return false;
    } while (!free_.compare_exchange_weak(available, available - bytes));
    return true;
}

void SampleMemory::giveBack(std::size_t bytes) {
    free_.fetch_add(bytes);
}

} // namespace orvex
