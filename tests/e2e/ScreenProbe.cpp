// Reads a screenshot of the running program and reports what the end-to-end test needs to know about
// the plot: where the frame is (the longest rows of grid-coloured pixels), how many curve pixels lie
// inside it (apart from a strip along its left edge), and how wide the curve is as a share of the frame's
// width. One line on stdout:
//   frame LEFT TOP RIGHT BOTTOM curve PIXELS extent PERMILLE
// or "noframe" when no plot is visible. The curve colour defaults to black (the colour of a new graph).
#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
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
    const QRgb curve = 0xFF000000 | (argc > 2 ? QString::fromLatin1(argv[2]).toUInt(nullptr, 16) : 0u);

    Frame frame;
    if (!FindFrame(image, frame)) {
        std::printf("noframe\n");
        return 0;
    }
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
