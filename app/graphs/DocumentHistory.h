#pragma once

#include "ListedGraph.h"

#include <QObject>

#include <cstddef>
#include <deque>
#include <string>

namespace orvex {

class GraphDocument;

// The undo history of the graph list and whether the document has changes that a save would write.
//
// Every command that changes the list ends with commit() (or startAfresh() for a document opened or
// created anew), which makes the list as it now stands a new step; undo() and redo() put a step's list
// back whole: records byte for byte, item texts, order and check marks. A check mark toggled by the user
// is not a step of its own: it updates the step in force, so that undoing a later command brings the
// marks back as they were. The oldest steps go beyond kMaxSteps.
//
// Changed means: the records, as a save would write them, differ from those last saved or opened (or
// from the empty list at start, or after "Создать").
class DocumentHistory : public QObject {
    Q_OBJECT
  public:
    static constexpr std::size_t kMaxSteps = 200;

    // Starts from the document's present list, unchanged.
    explicit DocumentHistory(GraphDocument* document, QObject* parent = nullptr);

    void commit();
    void startAfresh(); // a step whose list counts as unchanged: opened, or created empty
    void markSaved();   // the list in force is the one on disk now
    // Takes a list given back whole (a recovered one) as a new step; it counts as changed until saved.
    void restore(const GraphListState& state);

    [[nodiscard]] bool canUndo() const noexcept { return current_ > 0; }
    [[nodiscard]] bool canRedo() const noexcept { return current_ + 1 < steps_.size(); }
    // Put the step before (after) the one in force back into the document; false when there is none.
    bool undo();
    bool redo();

    [[nodiscard]] bool isModified() const;
    [[nodiscard]] const GraphListState& current() const { return steps_[current_]; }

  signals:
    // The list in force, its changed state or what undo and redo can do may have changed.
    void stateChanged();

  private:
    void push(GraphListState state);
    void updateChecks();

    GraphDocument* document_;
    std::deque<GraphListState> steps_;
    std::size_t current_ = 0;
    std::string savedBytes_; // the records as a save wrote them, or as they were opened
};

} // namespace orvex
