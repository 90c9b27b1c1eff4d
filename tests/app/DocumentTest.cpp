// Document files through the open and save commands: the record bytes, round trips, short and long files,
// and the failures that must neither lose the user's work nor pass silently.
#include "AppTestBench.h"
#include "DocumentFile.h"
#include "core/ChildProcess.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

using namespace orvex::testing;

namespace {

QByteArray Record(const std::string& formula, std::uint32_t color = 0, std::uint8_t lines = 0) {
    const auto bytes = orvex::EncodeGraphEntry(orvex::TGraphEntry{formula, color, lines});
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Exactly one message: `start`, then the system's reason.
void ExpectReport(const QString& start) {
    QCOMPARE(Messages().size(), 1);
    QVERIFY2(Messages()[0].startsWith(start) && Messages()[0].size() > start.size(),
             qPrintable(Messages()[0]));
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void roundTripChecksEveryGraph() {
        GraphBench bench;
        bench.add("sin(x)", 0x000000FF, true, 100, 2);
        bench.add("x^2", 0x80000005u, false, 1, -7);
        bench.add("ln(x)", 0x00FF00, true, 200, 3);
        bench.list->item(1)->setCheckState(Qt::Unchecked);
        const auto saved = bench.document.allGraphs();
        QVERIFY(bench.commands.saveDocument(bench.path("three.orx")));
        const QByteArray bytes = ReadAll(bench.path("three.orx"));
        QCOMPARE(bytes.size(), 3 * 68);
        QCOMPARE(bytes.left(7), QByteArray("\x06sin(x)")); // the first record, byte by byte
        QCOMPARE(bytes.mid(52, 5), QByteArray("\xFF\x00\x00\x00\x01", 5));
        QCOMPARE(bytes.mid(60, 8), QByteArray("\x64\x00\x00\x00\x02\x00\x00\x00", 8));
        bench.commands.newDocument();
        QVERIFY(bench.commands.saveDocument(bench.path("empty"))); // an empty list gives an empty file
        QCOMPARE(QFile(bench.path("empty.orx")).size(), 0);
        QVERIFY(bench.commands.loadDocument(bench.path("three.orx")));
        QVERIFY(bench.document.allGraphs() == saved);
        QCOMPARE(bench.state(), QStringLiteral("sin(x), x^2, ln(x) / 4 redraws / 2 windows enabled"));
        QVERIFY(Messages().isEmpty());
    }

    void shortTailIsIgnoredAndFormulasAreWindows1251() {
        GraphBench bench;
        // 150 bytes: two records and a tail. "ж*x" in Windows-1251 is E6 2A 78. A lines byte of 2 means
        // lines and is saved back as it was.
        WriteAll(bench.path("150.orx"), Record("\xE6*x", 1, 2) + Record("x^2", 2) + QByteArray(14, '\x07'));
        QVERIFY(bench.commands.loadDocument(bench.path("150.orx")));
        QCOMPARE(bench.state(), QStringLiteral("ж*x, x^2 / 1 redraws / 2 windows enabled"));
        QVERIFY(Messages().isEmpty());
        QVERIFY(bench.commands.saveDocument(bench.path("2.orx")));
        QCOMPARE(ReadAll(bench.path("2.orx")), ReadAll(bench.path("150.orx")).left(136));
    }

    void extensionAppendedOnlyWhenMissing_data() {
        QTest::addColumn<QString>("written");
        QTest::newRow("plot") << "plot.orx";
        QTest::newRow("plot.orx") << "plot.orx";
        QTest::newRow("plot.ORX") << "plot.ORX";
        QTest::newRow("plot.orx.bak") << "plot.orx.bak.orx";
    }
    void extensionAppendedOnlyWhenMissing() {
        QFETCH(QString, written);
        GraphBench bench;
        bench.add("x");
        QVERIFY(bench.commands.saveDocument(bench.path(QTest::currentDataTag())));
        QCOMPARE(QDir(bench.dir.path()).entryList(QDir::Files), QStringList{written});
    }

    void unwritableFileIsReportedAndOldFileKept() {
        GraphBench bench;
        bench.add("x");
        // A missing folder, and an existing file that cannot be replaced: its name is as long as a name may
        // be, so no temporary file can be made beside it (and permissions do not stop a test run as root).
        const QString old = bench.path(QString(251, QLatin1Char('p')) + QStringLiteral(".orx"));
        WriteAll(old, Record("old"));
        for (const QString& path : {bench.path("no/such/folder/plot.orx"), old}) {
            Messages().clear();
            QVERIFY(!bench.commands.saveDocument(path));
            ExpectReport(QStringLiteral("Cannot create file \"%1\". ").arg(path));
        }
        QCOMPARE(ReadAll(old), Record("old"));
        QCOMPARE(QDir(bench.dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind
        QCOMPARE(bench.redraws, 0);
    }

    // Only a regular file is read: a FIFO or a device is refused at once (it would block or never end).
    void unreadableFileIsReportedAndListKept_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.orx" << SystemReason(ENOENT);
        QTest::newRow("folder") << "folder.orx" << SystemReason(EISDIR);
        QTest::newRow("fifo") << "fifo.orx"
                              << "Not a regular file";
        QTest::newRow("device") << "/dev/null"
                                << "Not a regular file";
    }
    void unreadableFileIsReportedAndListKept() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        GraphBench bench;
        QVERIFY(QDir(bench.dir.path()).mkdir(QStringLiteral("folder.orx")));
        QCOMPARE(::mkfifo(QFile::encodeName(bench.path("fifo.orx")).constData(), 0600), 0);
        bench.add("x");
        bench.add("y");
        bench.list->item(1)->setCheckState(Qt::Unchecked);
        const QString path = QDir::isAbsolutePath(name) ? name : bench.path(name);
        QVERIFY(!bench.commands.loadDocument(path));
        QCOMPARE(Messages(), QStringList{QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason)});
        QCOMPARE(bench.state(), QStringLiteral("x, y- / 0 redraws / 2 windows enabled"));
    }

    // A save that fails at the end (here past a file-size limit, as on a full disk, in a child process)
    // is reported with the system's reason and leaves the old file byte for byte, larger or smaller.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<int>("oldRecords");
        QTest::newRow("smaller old file") << 1;
        QTest::newRow("larger old file") << 5;
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(int, oldRecords);
        GraphBench bench;
        const QString path = bench.path("plot.orx");
        WriteAll(path, Record("old").repeated(oldRecords));
        for (const char* formula : {"a", "b", "c"})
            bench.add(formula);
        const QString expected =
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, SystemReason(EFBIG));
        const int code = orvex::testing::RunInChild([&] {
            orvex::testing::LimitFileSize(100); // the three records take 204 bytes
            return bench.commands.saveDocument(path) ? 1 : Messages() == QStringList{expected} ? 0 : 2;
        });
        QCOMPARE(code, 0);
        QCOMPARE(ReadAll(path), Record("old").repeated(oldRecords));
        QCOMPARE(QDir(bench.dir.path()).entryList(QDir::Files), QStringList{"plot.orx"});
    }

    void moreThan101RecordsLoads101() {
        GraphBench bench;
        QByteArray bytes;
        for (int i = 0; i < 104; ++i)
            bytes += Record("x+" + std::to_string(i));
        WriteAll(bench.path("big.orx"), bytes + QByteArray(30, '\0'));
        QVERIFY(bench.commands.loadDocument(bench.path("big.orx")));
        QCOMPARE(bench.document.count(), 101);
        QCOMPARE(bench.document.itemText(100), QStringLiteral("x+100"));
        QCOMPARE(Messages(),
                 QStringList{QStringLiteral(
                     "Файл содержит больше 101 графика: загружены первые 101, не загружено записей: 3.")});
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
