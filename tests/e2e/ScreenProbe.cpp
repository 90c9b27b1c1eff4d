// Reads a screenshot of the running program and reports what the end-to-end test needs to know about
// the plot: where the frame is (the longest rows of grid-coloured pixels), how many curve pixels lie
// inside it (apart from a strip along its left edge), and how wide the curve is as a share of the frame's
// width. One line on stdout:
//   frame LEFT TOP RIGHT BOTTOM curve PIXELS extent PERMILLE
// or "noframe" when no plot is visible. The curve colour defaults to black (the colour of a new graph).
// Two more questions, for the tests that need them:
//   orvex_screen_probe SHOT.png --span RRGGBB   -> "span MINX MAXX MINY MAXY PIXELS" of that colour inside
//                                                  the frame ("span none" when it is not there)
//   orvex_screen_probe SHOT.png --white-box     -> "box LEFT TOP RIGHT BOTTOM": the widest white field in
//                                                  the toolbar rows above the plot (the theme box's text)
//   orvex_screen_probe SHOT.png --near FX FY RRGGBB -> "frame L T R B near PIXELS": the pixels close to
//                                                  that colour within 8 pixels of the point at the fractions
//                                                  FX, FY (0..1) of the frame's width and height
#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr QRgb kGrid = 0xFFC0C0C0; // silver

struct Frame {
    int left = 0, top = 0, right = 0, bottom = 0;
};

bool FindFrame(const QImage& image, Frame& frame) {
    std::vector<int> counts(static_cast<std::size_t>(image.height()), 0);
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        counts[static_cast<std::size_t>(y)] = static_cast<int>(std::count(line, line + image.width(), kGrid));
        best = std::max(best, counts[static_cast<std::size_t>(y)]);
    }
    if (best < 100)
        return false;
    bool found = false;
    for (int y = 0; y < image.height(); ++y) {
        if (counts[static_cast<std::size_t>(y)] * 10 < best * 9)
            continue;
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const int first = static_cast<int>(std::find(line, line + image.width(), kGrid) - line);
        int last = image.width() - 1;
        while (last > first && line[last] != kGrid)
            --last;
        if (!found) {
            frame = {first, y, last, y};
            found = true;
        } else {
            frame.left = std::min(frame.left, first);
            frame.right = std::max(frame.right, last);
            frame.bottom = y;
        }
    }
    return found && frame.bottom - frame.top > 50;
}

// The pixels of one colour inside the frame.
int PrintSpan(const QImage& image, const Frame& frame, QRgb colour) {
    int minX = image.width(), maxX = -1, minY = image.height(), maxY = -1;
    long pixels = 0;
    for (int y = frame.top + 2; y <= frame.bottom - 2; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = frame.left + 2; x <= frame.right - 2; ++x) {
            if (line[x] != colour)
                continue;
            ++pixels;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (pixels == 0)
        std::printf("span none\n");
    else
        std::printf("span %d %d %d %d %ld\n", minX, maxX, minY, maxY, pixels);
    return 0;
}

// Pixels of about one colour (antialiased drawing blends its edges) around a point of the frame.
int PrintNear(const QImage& image, const Frame& frame, double fx, double fy, QRgb colour) {
    constexpr int kRadius = 8;
    constexpr int kTolerance = 80;
    const int cx = frame.left + static_cast<int>(fx * (frame.right - frame.left) + 0.5);
    const int cy = frame.top + static_cast<int>(fy * (frame.bottom - frame.top) + 0.5);
    long pixels = 0;
    for (int y = std::max(0, cy - kRadius); y <= std::min(image.height() - 1, cy + kRadius); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = std::max(0, cx - kRadius); x <= std::min(image.width() - 1, cx + kRadius); ++x) {
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > kRadius * kRadius)
                continue;
            const QRgb p = line[x];
            if (std::abs(qRed(p) - qRed(colour)) <= kTolerance &&
                std::abs(qGreen(p) - qGreen(colour)) <= kTolerance &&
                std::abs(qBlue(p) - qBlue(colour)) <= kTolerance)
                ++pixels;
        }
    }
    std::printf("frame %d %d %d %d near %ld\n", frame.left, frame.top, frame.right, frame.bottom, pixels);
    return 0;
}

// The widest run of white pixels in the rows above the frame, grown into its rectangle.
int PrintWhiteBox(const QImage& image, int limitRow) {
    constexpr QRgb kWhite = 0xFFFFFFFF;
    int bestRow = -1, bestLeft = 0, bestRight = -1;
    for (int y = 0; y < limitRow; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (line[x] != kWhite) {
                ++x;
                continue;
            }
            int end = x;
            while (end + 1 < image.width() && line[end + 1] == kWhite)
                ++end;
            if (end - x > bestRight - bestLeft && end - x < image.width() / 3) {
                bestRow = y;
                bestLeft = x;
                bestRight = end;
            }
            x = end + 1;
        }
    }
    if (bestRow < 0) {
        std::printf("box none\n");
        return 0;
    }
    const auto whiteAt = [&](int y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        return line[(bestLeft + bestRight) / 2] == kWhite;
    };
    int top = bestRow, bottom = bestRow;
    while (top > 0 && whiteAt(top - 1))
        --top;
    while (bottom + 1 < limitRow && whiteAt(bottom + 1))
        ++bottom;
    std::printf("box %d %d %d %d\n", bestLeft, top, bestRight, bottom);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvex_screen_probe SCREENSHOT.png [RRGGBB]\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    const QString mode = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    const QRgb curve = 0xFF000000 | (argc > 2 && !mode.startsWith(QLatin1String("--"))
                                         ? QString::fromLatin1(argv[2]).toUInt(nullptr, 16)
                                         : 0u);

    Frame frame;
    if (!FindFrame(image, frame)) {
        std::printf("noframe\n");
        return 0;
    }
    if (mode == QLatin1String("--span") && argc > 3)
        return PrintSpan(image, frame, 0xFF000000 | QString::fromLatin1(argv[3]).toUInt(nullptr, 16));
    if (mode == QLatin1String("--near") && argc > 5)
        return PrintNear(image, frame, QString::fromLatin1(argv[3]).toDouble(),
                         QString::fromLatin1(argv[4]).toDouble(),
                         0xFF000000 | QString::fromLatin1(argv[5]).toUInt(nullptr, 16));
    if (mode == QLatin1String("--white-box"))
        return PrintWhiteBox(image, frame.top - 20);
    // Inside the 2-pixel frame line. The labels of the horizontal grid lines start in the left margin and
    // long ones reach into the frame, so a strip along its left edge is left out.
    constexpr int kLabelStrip = 60;
    long pixels = 0;
    int minX = frame.right, maxX = frame.left;
    for (int y = frame.top + 2; y <= frame.bottom - 2; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = frame.left + kLabelStrip; x <= frame.right - 2; ++x) {
            if (line[x] == curve) {
                ++pixels;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
        }
    }
    const int extent = pixels > 0 ? (maxX - minX) * 1000 / std::max(1, frame.right - frame.left) : 0;
    std::printf("frame %d %d %d %d curve %ld extent %d\n", frame.left, frame.top, frame.right, frame.bottom,
                pixels, extent);
    return 0;
}
