#include "PeerPlotter.h"

#include <QPainter>
#include <muParser.h>

#include <cmath>

namespace orvex::bench {

void PeerRedraw(QImage& bitmap, const ViewTexts& view, const std::vector<PeerGraph>& graphs) {
    const ViewLimits limits = ParseLimits(view);
    bitmap.fill(Qt::white);
    DrawGrid(bitmap, view, 0x00C0C0C0, 0x00FFFFFF);
    // The plot rectangle of the picture, mapped in doubles; QPainter rounds to pixels.
    constexpr double kMargin = 18;
    const double kx = (bitmap.width() - 2 * kMargin) / (limits.xmax - limits.xmin);
    const double ky = (bitmap.height() - 2 * kMargin) / (limits.ymax - limits.ymin);
    QPainter painter(&bitmap);
    for (const PeerGraph& graph : graphs) {
        double x = 0;
        mu::Parser parser;
        parser.DefineVar("x", &x);
        parser.SetExpr(graph.formula);
        painter.setPen(QPen(graph.colour, 1));
        const double step = 1.0 / graph.quality;
        bool havePrevious = false;
        QPointF previous;
        for (x = limits.xmin; x <= limits.xmax; x += step) {
            const double y = parser.Eval();
            if (!std::isfinite(y) || y < limits.ymin || y > limits.ymax)
                continue;
            const QPointF point((x - limits.xmin) * kx + kMargin,
                                bitmap.height() - kMargin - (y - limits.ymin) * ky);
            const QPointF d = point - previous;
            if (havePrevious && d.x() * d.x() + d.y() * d.y() <= 50)
                painter.drawLine(QLineF(previous, point));
            previous = point;
            havePrevious = true;
        }
    }
}

} // namespace orvex::bench
