#include "DocumentHistory.h"

#include "GraphDocument.h"

namespace orvex {

namespace {

std::string SavedBytes(const GraphListState& state) {
    std::vector<TGraphEntry> entries;
    entries.reserve(state.size());
    for (const ListedGraph& graph : state)
        entries.push_back(graph.entry);
    return EncodeDocument(entries);
}

} // namespace

DocumentHistory::DocumentHistory(GraphDocument* document, QObject* parent)
    : QObject(parent), document_(document) {
    steps_.push_back(document_->state());
    savedBytes_ = SavedBytes(steps_.back());
    connect(document_, &GraphDocument::checkToggled, this, &DocumentHistory::updateChecks);
}

void DocumentHistory::push(GraphListState state) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, steps_.end());
    steps_.push_back(std::move(state));
    while (steps_.size() > kMaxSteps + 1)
        steps_.pop_front();
    current_ = steps_.size() - 1;
}

void DocumentHistory::commit() {
    GraphListState state = document_->state();
    if (state == steps_[current_])
        return; // a command that changed nothing makes no step
    push(std::move(state));
    emit stateChanged();
}

void DocumentHistory::startAfresh() {
    push(document_->state());
    markSaved();
}

void DocumentHistory::markSaved() {
    savedBytes_ = SavedBytes(steps_[current_]);
    emit stateChanged();
}

void DocumentHistory::restore(const GraphListState& state) {
    document_->restore(state);
    push(document_->state());
    // Records are written in whole records of 68 bytes: no list a save writes matches a single byte, so
    // the restored list, even an empty one, counts as changed until it is saved or replaced.
    savedBytes_.assign(1, '\0');
    emit stateChanged();
}

bool DocumentHistory::undo() {
    if (!canUndo())
        return false;
    --current_;
    document_->restore(steps_[current_]);
    emit stateChanged();
    return true;
}

bool DocumentHistory::redo() {
    if (!canRedo())
        return false;
    ++current_;
    document_->restore(steps_[current_]);
    emit stateChanged();
    return true;
}

bool DocumentHistory::isModified() const {
    return SavedBytes(steps_[current_]) != savedBytes_;
}

void DocumentHistory::updateChecks() {
    GraphListState& step = steps_[current_];
    const GraphListState now = document_->state();
    if (now.size() != step.size())
        return; // a command is still on its way to commit()
    for (std::size_t i = 0; i < now.size(); ++i)
        step[i].checked = now[i].checked;
    emit stateChanged();
}

} // namespace orvex
