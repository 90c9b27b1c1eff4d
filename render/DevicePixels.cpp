#include "DevicePixels.h"

#include "PlotMapping.h"

#include <algorithm>
#include <cmath>

namespace orvex {

namespace {

// How far the centre of an aliased line of `width` pixels lies from the coordinate it is drawn at: Qt
// covers the pixels c - (w - 1) / 2 .. c + (w - 1) / 2 for an odd width, c - w / 2 .. c + w / 2 - 1 for an
// even one.
long double centreOffset(int width) {
    return width % 2 != 0 ? 0.5L : 0.0L;
}

int logicalPen(int width) {
    return std::max(width, 1);
}

} // namespace

int DevicePixels::edge(long double k) const {
    return isIdentity() ? RoundPixel(k) : RoundPixel(k * ratio_);
}

int DevicePixels::pixel(long double v) const {
    if (isIdentity())
        return RoundPixel(v);
    return RoundPixel((v + 0.5L) * ratio_ - pixelSide() / 2.0L);
}

int DevicePixels::pixelSide() const {
    return std::max(1, static_cast<int>(std::lround(ratio_)));
}

int DevicePixels::penWidth(int logicalWidth) const {
    const int width = logicalPen(logicalWidth);
    if (isIdentity())
        return width;
    const long double device = std::nearbyint(static_cast<long double>(width) * ratio_);
    return device >= static_cast<long double>(1 << 30) ? 1 << 30 : std::max(1, static_cast<int>(device));
}

int DevicePixels::line(long double v, int logicalWidth) const {
    if (isIdentity())
        return RoundPixel(v);
    const long double centre = (v + centreOffset(logicalPen(logicalWidth))) * ratio_;
    return RoundPixel(centre - centreOffset(penWidth(logicalWidth)));
}

qreal DevicePixels::exactLine(long double v, int logicalWidth) const {
    return static_cast<qreal>((v + centreOffset(logicalPen(logicalWidth))) * ratio_);
}

QImage MakePicture(QSize logical, qreal ratio) {
    QImage picture(logical * ratio, QImage::Format_RGB32);
    if (ratio != 1 && !picture.isNull())
        picture.setDevicePixelRatio(ratio);
    return picture;
}

QSize LogicalSize(const QImage& picture) {
    const qreal ratio = picture.devicePixelRatio();
    if (ratio == 1)
        return picture.size();
    return {qRound(picture.width() / ratio), qRound(picture.height() / ratio)};
}

} // namespace orvex
