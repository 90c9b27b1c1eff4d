#pragma once

#include "PlotArea.h"
#include "PointSearch.h"

#include <QDockWidget>

#include <cstdint>
#include <vector>

class QLabel;
class QTableWidget;

namespace orvex {

class GraphDocument;
class ViewController;

// The dockable panel "Особые точки": the zeros, minima, maxima and intersections (with the other checked
// graphs) of the graph chosen in the graph list, inside the x range of the picture on screen, sorted by x.
// It searches after every redraw, off the GUI thread, and only while it is shown; after a redraw that
// ended on an error it lists nothing and says that there is nothing to show. It marks the points on
// the plot area; the row chosen in the table is marked more strongly and its coordinates are reported.
class SpecialPointsPanel : public QDockWidget {
    Q_OBJECT
  public:
    SpecialPointsPanel(GraphDocument* document, ViewController* view, PlotArea* plotArea, QWidget* parent);
    ~SpecialPointsPanel() override;

    [[nodiscard]] QTableWidget* table() const noexcept { return table_; }
    [[nodiscard]] QLabel* note() const noexcept { return note_; }
    [[nodiscard]] bool isSearching() const noexcept { return searching_; }
    // Processes events until the search in progress has ended (or `timeoutMs` passed). For tests.
    void waitForPoints(int timeoutMs = 60000);

    // Searches again for the chosen graph over the picture on screen (nothing while hidden).
    void refresh();

    [[nodiscard]] QSize sizeHint() const override;

  signals:
    // The coordinates of the point chosen in the table, "(x; y)" as the table writes them.
    void pointChosen(const QString& coordinates);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void showPoints(const PointSearchResult& result);
    void showNote(const QString& text);
    void updateMarkers();
    void chooseRow();

    GraphDocument* document_;
    ViewController* view_;
    PlotArea* plotArea_;
    QLabel* note_;
    QTableWidget* table_;
    PointSearch* search_;
    std::uint64_t generation_ = 0;
    bool searching_ = false;
    bool sized_ = false;            // given its width once
    int graph_ = -1;                // the graph whose points are listed
    std::vector<int> otherIndices_; // list positions of the graphs searched for intersections
    std::vector<SpecialPoint> points_;
};

} // namespace orvex
