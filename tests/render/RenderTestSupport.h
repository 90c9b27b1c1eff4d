#pragma once

#include "ArithmeticError.h"
#include "NumberText.h"
#include "Renderer.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace orvex::test {

// Columns x0..x1 of row y, or rows y0..y1 of column x, whose pixel has the given colour.
inline std::vector<int> ColumnsWithColour(const QImage& image, int y, int x0, int x1, const QColor& colour) {
    std::vector<int> columns;
    for (int x = x0; x <= x1; ++x)
        if (image.pixelColor(x, y) == colour)
            columns.push_back(x);
    return columns;
}
inline std::vector<int> RowsWithColour(const QImage& image, int x, int y0, int y1, const QColor& colour) {
    std::vector<int> rows;
    for (int y = y0; y <= y1; ++y)
        if (image.pixelColor(x, y) == colour)
            rows.push_back(y);
    return rows;
}

inline int CountColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += static_cast<int>(ColumnsWithColour(image, y, 0, image.width() - 1, colour).size());
    return n;
}

inline QImage FilledImage(int w, int h, const QColor& colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Puts "," in force for one test; the tests' main puts "." in force for all others.
struct CommaSeparator {
    CommaSeparator() { SetDecimalSeparator(','); }
    ~CommaSeparator() { SetDecimalSeparator('.'); }
};

} // namespace orvex::test
