#pragma once

#include "ArithmeticError.h"
#include "NumberText.h"
#include "Renderer.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <string>
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

// 101 graphs of every kind: joined lines of several widths, points, poles, gaps, the text path's quirks.
inline std::vector<TGraphEntry> HundredAndOneGraphs() {
    const char* const formulas[] = {"sin(x)*5", "cos(x)*x",      "x^2/10",      "x^3/100", "1/x",
                                    "tg(x)",    "|x|^0.5*3",     "ln(|x|+1)*2", "sh(x/4)", "|sin(2x)|*8-4",
                                    "2x",       "arcsin(x/5)*3", "x^(-2)",      "sqrt(x)", "-x:3"};
    std::vector<TGraphEntry> graphs;
    for (int i = 0; i < 101; ++i)
        graphs.push_back({std::string(formulas[i % std::size(formulas)]) + "+" + std::to_string(i / 15),
                          0x00102030u * static_cast<std::uint32_t>(i + 1) & 0x00FFFFFFu, i % 4 != 0,
                          50 + 37 * (i % 5), i % 6});
    return graphs;
}

// Puts "," in force for one test; the tests' main puts "." in force for all others.
struct CommaSeparator {
    CommaSeparator() { SetDecimalSeparator(','); }
    ~CommaSeparator() { SetDecimalSeparator('.'); }
};

} // namespace orvex::test
