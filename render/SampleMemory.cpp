#include "SampleMemory.h"

#include "Evaluator.h"

#include <unordered_set>

namespace orvex {

std::string FormulaKey(std::string_view formula, char separator) {
    std::string key(formula.substr(0, kMaxFormulaLength));
    key += '\0';
    key += separator;
    return key;
}

FormulaTrail::~FormulaTrail() {
    memory_.giveBack(last_.size());
}

void FormulaTrail::begin() {
    cursor_ = 0;
    next_.clear();
    recording_ = true;
}

void FormulaTrail::record(const RecordedSample& sample) {
    if (recording_)
        next_.push_back(sample);
}

void FormulaTrail::end() {
    memory_.giveBack(last_.size());
    last_.clear();
    if (recording_ && memory_.take(next_.size()))
        last_.swap(next_);
    next_.clear();
    next_.shrink_to_fit();
    cursor_ = 0;
}

SampleMemory::SampleMemory(std::size_t sampleBudget) : free_(sampleBudget) {}

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

bool SampleMemory::take(std::size_t samples) {
    std::size_t available = free_.load();
    do {
        if (available < samples)
            return false;
    } while (!free_.compare_exchange_weak(available, available - samples));
    return true;
}

void SampleMemory::giveBack(std::size_t samples) {
    free_.fetch_add(samples);
}

} // namespace orvex
