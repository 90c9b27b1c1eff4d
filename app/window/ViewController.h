#pragma once

#include "Navigation.h"
#include "Renderer.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

class QLineEdit;

namespace orvex {

class ColorBox;
class GraphDocument;
class PlotArea;

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

// The redraw and the navigation of the view. Holds the off-screen picture `PlotBitmap`; the plot area
// shows the last picture a redraw completed. Errors propagate to the caller, which reports them.
class ViewController : public QObject {
    Q_OBJECT
  public:
    explicit ViewController(const ViewControls& controls, QObject* parent = nullptr);

    // The first picture of the window: frame, grid and labels on the background, no graphs and no limit
    // repair. Throws ConversionError for a limit or grid count that is not a number.
    void drawInitialPicture();

    // `ChangeExecute`: sizes PlotBitmap to the plot area, repairs limit spans below 1 (a limit that is
    // not a number ends the redraw silently), draws background, grid and the checked graphs, then shows
    // the picture. A drawing error leaves the picture on screen as it was and propagates.
    void redraw();

    // A view command: shifts the limit fields by 1 (a field that is not a number stops it with
    // ConversionError, fields already rewritten stay rewritten), then redraws.
    void apply(ViewCommand command);

    // "(x, y)" for the cursor at a pixel of the plot area. Throws ConversionError for a bad limit.
    [[nodiscard]] QString readout(QPoint position) const;

    [[nodiscard]] ViewTexts texts() const;
    void setTexts(const ViewTexts& texts);

    [[nodiscard]] const QImage& plotBitmap() const noexcept { return plotBitmap_; }
    [[nodiscard]] const QImage& shownPicture() const;

  signals:
    // A redraw reached its end and the new picture is on screen.
    void redrawn();

  private:
    void resizePlotBitmap();
    [[nodiscard]] std::uint32_t gridColour() const;
    [[nodiscard]] std::uint32_t backgroundColour() const;

    ViewControls c_;
    QImage plotBitmap_;
};

} // namespace orvex
