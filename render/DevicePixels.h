#pragma once

#include <QImage>
#include <QSize>

namespace orvex {

// Where the geometry of a picture, laid out in logical pixels, falls on the device pixels of a picture
// that holds `ratio` device pixels per logical pixel. Logical pixel k covers the device pixels from
// R(k * ratio) up to R((k + 1) * ratio); a logical position v (continuous, R(v) being its logical pixel)
// lies at v * ratio; a pen of logical width w is R(w * ratio) device pixels wide (at least 1), and the
// line it draws is centred where the logical one is. At ratio 1 every position is the logical one.
class DevicePixels {
  public:
    explicit DevicePixels(qreal ratio = 1) : ratio_(ratio) {}

    [[nodiscard]] qreal ratio() const noexcept { return ratio_; }
    [[nodiscard]] bool isIdentity() const noexcept { return ratio_ == 1; }

    // The first device pixel of logical pixel k, or of the logical edge at k.
    [[nodiscard]] int edge(long double k) const;
    // The top-left device pixel of the square of one logical pixel around the logical position v, and the
    // square's side.
    [[nodiscard]] int pixel(long double v) const;
    [[nodiscard]] int pixelSide() const;
    // The device width of a pen of `logicalWidth` (below 1 counts as 1).
    [[nodiscard]] int penWidth(int logicalWidth) const;
    // The device coordinate at which an aliased line of penWidth(logicalWidth) covers what the logical
    // line through v covers, and the centre of that line for an antialiased one.
    [[nodiscard]] int line(long double v, int logicalWidth) const;
    [[nodiscard]] qreal exactLine(long double v, int logicalWidth) const;

  private:
    qreal ratio_;
};

// For its lifetime a painter made after it on the picture draws in device pixels: the picture's device
// pixel ratio is 1 meanwhile and restored afterwards, however the drawing ends.
class DeviceCoordinates {
  public:
    explicit DeviceCoordinates(QImage& picture) : picture_(picture), ratio_(picture.devicePixelRatio()) {
        picture_.setDevicePixelRatio(1);
    }
    DeviceCoordinates(const DeviceCoordinates&) = delete;
    DeviceCoordinates& operator=(const DeviceCoordinates&) = delete;
    ~DeviceCoordinates() { picture_.setDevicePixelRatio(ratio_); }

  private:
    QImage& picture_;
    qreal ratio_;
};

// A picture of `logical` size at `ratio`: RGB32, its device size the logical one times the ratio (rounded),
// its device pixel ratio set so that it shows at the logical size.
[[nodiscard]] QImage MakePicture(QSize logical, qreal ratio = 1);
// The logical size of a picture: its device size over its ratio, rounded.
[[nodiscard]] QSize LogicalSize(const QImage& picture);

} // namespace orvex
