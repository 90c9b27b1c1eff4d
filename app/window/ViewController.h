#pragma once

#include "CurveGeometry.h"
#include "Navigation.h"
#include "PictureFiles.h"
#include "Renderer.h"
#include "SampleMemory.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class QLineEdit;

namespace orvex {

class ColorBox;
class GraphDocument;
class PlotArea;
class RedrawRunner;
struct RedrawResult;

// The controls that hold the view state: the limit and grid-count fields are its master copy.
struct ViewControls {
    QLineEdit* exmin = nullptr;
    QLineEdit* exmax = nullptr;
    QLineEdit* eymin = nullptr;
    QLineEdit* eymax = nullptr;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    ColorBox* gridColour = nullptr;
    ColorBox* background = nullptr;
    PlotArea* image = nullptr;
    GraphDocument* document = nullptr;
};

// The redraw and the navigation of the view. Holds the off-screen picture `PlotBitmap`, drawn at the
// plot area's size in logical pixels times its device pixel ratio (a scaled screen gets as many more
// pixels, the geometry staying in logical pixels); the plot area shows the last picture a redraw
// completed. The curves are drawn off the GUI thread: a redraw prepares
// the picture (size, limit repair, background, grid) at once and hands the curves to a worker; a newer
// redraw cancels the one in progress, and only a complete picture of the newest redraw is shown. Errors
// of the preparation propagate to the caller; an error while drawing the curves arrives later through
// `redrawFailed` and leaves the picture on screen as it was.
//
// An error is reported once for the picture it spoils: one change often redraws several times (a dock
// shown resizes the plot area in steps, a message box lets the window lay itself out again), and a
// redraw of the same graphs, limits and colours at another size fails the same way. Such a repeat
// neither throws nor signals `redrawFailed`; only `pictureFailed` tells of it. A picture completed in
// between, or a change of what is drawn, makes the next error new again.
class ViewController : public QObject {
    Q_OBJECT
  public:
    explicit ViewController(const ViewControls& controls, QObject* parent = nullptr);
    ~ViewController() override;

    // The first picture of the window: frame, grid and labels on the background, no graphs and no limit
    // repair. Throws ConversionError for a limit or grid count that is not a number.
    void drawInitialPicture();

    // `ChangeExecute`: sizes PlotBitmap to the plot area, repairs limit spans below 1 (a limit that is
    // not a number ends the redraw silently), draws background, grid and the checked graphs, then shows
    // the picture. A drawing error leaves the picture on screen as it was.
    void redraw();

    // Smoothing: the curves and the grid antialiased from the next redraw on. Off by default.
    void setSmoothing(bool smooth);
    [[nodiscard]] bool smoothing() const noexcept { return smooth_; }

    // True from a redraw's start until its picture is shown or it failed or was superseded.
    [[nodiscard]] bool isDrawing() const noexcept { return drawing_; }
    // True when the newest redraw that got as far as drawing ended on an error.
    [[nodiscard]] bool lastRedrawFailed() const noexcept { return failed_; }
    // Processes events until no redraw is in progress (or `timeoutMs` passed). For callers that need the
    // finished picture at once, such as tests.
    void waitForPicture(int timeoutMs = 60000);

    // A view command: shifts the limit fields by 1 (a field that is not a number stops it with
    // ConversionError, fields already rewritten stay rewritten), then redraws.
    void apply(ViewCommand command);

    // "(x, y)" for the cursor at a pixel of the plot area. Throws ConversionError for a limit that is not
    // a number; empty for a limit beyond the double range, which the redraw treats as no number at all.
    [[nodiscard]] QString readout(QPoint position) const;

    [[nodiscard]] ViewTexts texts() const;
    void setTexts(const ViewTexts& texts);

    [[nodiscard]] const QImage& plotBitmap() const noexcept { return plotBitmap_; }
    [[nodiscard]] const QImage& shownPicture() const;
    // What the picture on screen was drawn from (empty before the first complete redraw); its size is the
    // plot area's in logical pixels, the one marks over the picture are placed in.
    [[nodiscard]] const PictureSource& shownSource() const noexcept { return shownSource_; }

  signals:
    // A redraw reached its end and the new picture is on screen.
    void redrawn();
    // Drawing the curves ended on an error not reported before; the picture on screen stays as it was.
    void redrawFailed(const QString& message);
    // A redraw ended on an error, reported or not (before redrawFailed when that is emitted).
    void pictureFailed();

  private:
    void resizePlotBitmap();
    void stopDrawing();
    void finishRedraw(const RedrawResult& result);
    // Records that a redraw of `source` failed with `message`; true when that is to be reported.
    [[nodiscard]] bool newFailure(const PictureSource& source, const QString& message);
    [[nodiscard]] std::uint32_t gridColour() const;
    [[nodiscard]] std::uint32_t backgroundColour() const;

    ViewControls c_;
    QImage plotBitmap_;
    SampleMemory memory_; // before the runner, whose drawing uses it
    RedrawRunner* runner_;
    std::uint64_t generation_ = 0; // of the newest redraw
    bool drawing_ = false;
    bool smooth_ = false;
    PictureSource pendingSource_;
    PictureSource shownSource_;
    bool failed_ = false;
    std::optional<PictureSource> reportedSource_; // of the failure reported last, while it holds
    QString reportedError_;
};

} // namespace orvex
