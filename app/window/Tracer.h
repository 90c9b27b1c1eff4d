#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>
#include <string>

class QAction;

namespace orvex {

class GraphDocument;
class GraphTrace;
class PlotArea;
class StatusPanels;
class ViewController;

// The trace "Трассировка": while its command is checked, a cross runs along the graph chosen in the graph
// list, at the pixel column under the mouse, and status panel 1 and the hint read "x = …; y = …; y' = …"
// there. Left and Right move it by one pixel column, with Shift by ten; Escape ends the trace. The
// optional tangent ("Касательная") is drawn through the cross. The marks are an overlay of the plot area,
// never part of the picture. Mouse buttons and the wheel keep their commands; after every redraw the
// cross stands at the same column of the new picture. While the trace is off, nothing of this shows.
class Tracer : public QObject {
    Q_OBJECT
  public:
    Tracer(QAction* command, GraphDocument* document, ViewController* view, PlotArea* plotArea,
           StatusPanels* status, QObject* parent);
    ~Tracer() override;

    // The checkable option "Касательная", for the "Вид" menu.
    [[nodiscard]] QAction* tangentCommand() const noexcept { return tangent_; }
    [[nodiscard]] bool isOn() const;
    // The pixel column the cross stands at (-1 before the first trace).
    [[nodiscard]] int column() const noexcept { return column_; }

    // The mouse moved to `position` over the plot area. While the trace is on it follows the mouse and
    // returns true; otherwise false, and the window shows its own read-out.
    bool follow(QPoint position);
    // Reads the graph again at the same column (after a redraw, another chosen graph).
    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void start();
    void stop();
    void step(int columns);
    // Puts the cross at the current column; `hint` shows the read-out beside it.
    void show(bool hint);
    void clear();
    [[nodiscard]] const GraphTrace& traceOf(const std::string& formula);

    QAction* command_;
    QAction* tangent_;
    GraphDocument* document_;
    ViewController* view_;
    PlotArea* plotArea_;
    StatusPanels* status_;
    int column_ = -1;
    std::unique_ptr<GraphTrace> trace_; // of the last graph read, prepared once
    char traceSeparator_ = 0;           // the decimal separator it was prepared with
};

} // namespace orvex
