#pragma once

#include "CurveGeometry.h"
#include "Renderer.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace orvex {

// What a picture was drawn from: enough to draw the same picture again on another device.
struct PictureSource {
    QSize size;     // in logical pixels
    ViewTexts view; // the limits after their repair
    PictureColours colours;
    std::vector<PlotCurve> curves;
    bool smooth = false;
};

// The formats a picture is saved in. BMP and PNG hold the picture's pixels; SVG and PDF draw the same
// frame, grid, labels and curves again as vector graphics, sharp at any zoom.
enum class PictureFormat { Bmp, Png, Svg, Pdf };

// The format a file name's extension names (any case), if it names one of the four.
[[nodiscard]] std::optional<PictureFormat> PictureFormatOfName(const QString& name);
// ".bmp", ".png", ".svg", ".pdf".
[[nodiscard]] QString PictureExtension(PictureFormat format);

// Writes the picture to `path` in `format`, replacing an existing file only once the new one is complete
// (a failure leaves it as it was and throws std::runtime_error with "Cannot create file "%s". %s"; a
// path that names something other than a regular file, such as a FIFO or a device, is refused).
// BMP and PNG write `bitmap` at its device pixels; SVG and PDF draw `source` through a painter at its
// logical size.
void WritePicture(const QString& path, PictureFormat format, const QImage& bitmap,
                  const PictureSource& source);

} // namespace orvex
