#pragma once

#include "GraphEntry.h"
#include "ListedGraph.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QListWidget;

namespace orvex {

// The document: the graph table `Graphs` and the check list `CLBox1` that gives the count, the order and
// the visibility of the graphs. Record i belongs to list item i; every operation keeps them together.
// Item texts are Unicode; records hold Windows-1251 bytes.
class GraphDocument : public QObject {
    Q_OBJECT
  public:
    explicit GraphDocument(QListWidget* list, QObject* parent = nullptr);

    [[nodiscard]] QListWidget* list() const noexcept { return list_; }
    [[nodiscard]] int count() const;
    [[nodiscard]] bool isFull() const { return count() >= static_cast<int>(kGraphCapacity); }
    // The item the user selected (by a click, the keyboard in the list or a double click), or -1. The
    // item the list makes current by itself (when it gets the focus, after rows change) is not selected.
    [[nodiscard]] int selectedIndex() const;
    [[nodiscard]] const TGraphEntry& record(int index) const;
    [[nodiscard]] QString itemText(int index) const;
    [[nodiscard]] bool isChecked(int index) const;

    // Appends a record with its list item (checked). Returns false, changing nothing, when the table
    // is full.
    bool append(const TGraphEntry& entry, const QString& itemText);
    // Replaces record i, checks item i and sets its text to the stored formula.
    void replace(int index, const TGraphEntry& entry);
    // Removes graph i; no graph is selected afterwards.
    void remove(int index);
    // Deletes every list item; the records stay as they are.
    void clear();

    // The whole list: records, item texts and check marks.
    [[nodiscard]] GraphListState state() const;
    // Puts a whole list in place of the present one; no graph is selected afterwards.
    void restore(const GraphListState& state);

    // The checked graphs in list order, as the redraw draws them.
    [[nodiscard]] std::vector<TGraphEntry> visibleGraphs() const;
    // Every graph in list order.
    [[nodiscard]] std::vector<TGraphEntry> allGraphs() const;

  signals:
    // A check mark was toggled by the user or by code.
    void checkToggled(int index);

  private:
    QListWidget* list_;
    std::array<TGraphEntry, kGraphCapacity> graphs_{};
};

} // namespace orvex
