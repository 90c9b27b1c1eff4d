#include "AppIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources of a static library are registered by hand; the icon may be wanted before any window exists.
static void InitOrvexResources() {
    Q_INIT_RESOURCE(orvex_icons);
}

namespace orvex {

QIcon OrvexIcon() {
    InitOrvexResources();
    // Rendered here rather than left to QIcon's SVG plugin, which a system may lack.
    QSvgRenderer renderer(QStringLiteral(":/icons/orvex.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace orvex
