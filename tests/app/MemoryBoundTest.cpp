// The program's memory stays bounded however many documents are opened, resized and redrawn: a session
// with the special-points panel shown opens a document of 101 graphs at quality 200 and one of 12 graphs
// in turn, views each over wide ranges (passes of 80000 samples per graph) and at several window sizes.
// The samples kept between redraws have a budget of 48 MiB; everything else a redraw or a search uses
// is given back when it ends, so the whole process stays below 150 MB, and once it has been idle for a
// moment, below 100 MB.
#include "AppTestBench.h"
#include "HeapPolicy.h"
#include "SpecialPointsPanel.h"

#include <fstream>
#include <string>

using orvex::TGraphEntry;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

constexpr long kPeakKb = 150 * 1000;
constexpr long kIdleKb = 100 * 1000;

// A line of /proc/self/status in kB: VmRSS now, VmHWM the most there was.
long StatusKb(const std::string& field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

std::vector<TGraphEntry> Document(int count, int quality) {
    const char* const shapes[] = {
        "sin(x)*3",       "cos(x)*x/2", "x^2/5-4",           "x^3/30", "1/x", "sqrt(abs(x))*2",
        "ln(abs(x)+1)*2", "sh(x/9)",    "abs(sin(2*x))*4-2", "tg(x)"};
    std::vector<TGraphEntry> graphs;
    for (int i = 0; i < count; ++i)
        graphs.push_back({std::string(shapes[i % 10]) + "+" + std::to_string(i / 10),
                          0x00102030u * i & 0xFFFFFFu, true, quality, 1});
    return graphs;
}

} // namespace

class MemoryBoundTest : public QObject {
    Q_OBJECT

  private slots:
    void manyOpensResizesAndRedraws() {
        orvex::ApplyHeapPolicy(); // as the program's start does
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("big.orx"));
        const QString small = dir.filePath(QStringLiteral("small.orx"));
        orvex::testing::WriteAll(big, QByteArray::fromStdString(orvex::EncodeDocument(Document(101, 200))));
        orvex::testing::WriteAll(small, QByteArray::fromStdString(orvex::EncodeDocument(Document(12, 100))));

        MainWindowBench bench;
        orvex::SpecialPointsPanel* panel = bench.form().specialPointsPanel();
        QTest::keyClick(&bench.form(), Qt::Key_F9);
        QVERIFY(panel->isVisible());
        const auto settle = [&] {
            QCoreApplication::processEvents();
            bench.waitForPicture();
            panel->waitForPoints();
        };
        for (const QString& document : {big, small, big, small}) {
            bench.form().openDocument(document);
            settle();
            QListWidget* list = bench.form().graphList();
            list->setCurrentRow(3); // the panel searches the fourth graph, against all the others
            settle();
            for (const char* limits : {"-200 200 -5 5", "-150 250 -5 5", "-5 5 -5 5"}) {
                bench.setLimits(QString::fromLatin1(limits));
                bench.apply();
                settle();
            }
            for (const QSize size : {QSize(1600, 1000), QSize(1000, 700)}) {
                bench.form().resize(size);
                settle();
            }
        }
        const long peak = StatusKb("VmHWM");
        QTest::qWait(1500); // idle: the heaps give their free pages back
        const long idle = StatusKb("VmRSS");
        qInfo("resident memory: at most %ld kB, %ld kB when idle", peak, idle);
        QVERIFY2(peak > 0 && peak < kPeakKb, qPrintable(QString::number(peak)));
        QVERIFY2(idle > 0 && idle < kIdleKb, qPrintable(QString::number(idle)));
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(MemoryBoundTest)
#include "MemoryBoundTest.moc"
