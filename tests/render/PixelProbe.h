#pragma once

#include <QColor>
#include <QImage>

#include <vector>

namespace orvex::test {

// Columns x0..x1 of row y whose pixel has the given colour.
inline std::vector<int> ColumnsWithColour(const QImage& image, int y, int x0, int x1, const QColor& colour) {
    std::vector<int> columns;
    for (int x = x0; x <= x1; ++x)
        if (image.pixelColor(x, y) == colour)
            columns.push_back(x);
    return columns;
}

// Rows y0..y1 of column x whose pixel has the given colour.
inline std::vector<int> RowsWithColour(const QImage& image, int x, int y0, int y1, const QColor& colour) {
    std::vector<int> rows;
    for (int y = y0; y <= y1; ++y)
        if (image.pixelColor(x, y) == colour)
            rows.push_back(y);
    return rows;
}

// Number of pixels in the image that have the given colour.
inline int CountColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

inline QImage FilledImage(int w, int h, const QColor& colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace orvex::test
