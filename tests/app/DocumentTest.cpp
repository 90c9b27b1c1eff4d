// Document files through the open and save commands: the record bytes, round trips, short and long
// files, and the failures that must neither lose the user's work nor pass silently.
#include "DocumentFile.h"
#include "GraphTestBench.h"

#include <QDir>
#include <QFile>
#include <QTest>

using orvex::testing::GraphTestBench;
using orvex::testing::Messages;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray record(const std::string& formula, std::uint32_t color = 0) {
    orvex::TGraphEntry entry;
    entry.Formula = formula;
    entry.Color = color;
    const auto bytes = orvex::EncodeGraphEntry(entry);
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void emptyListWritesEmptyFile();
    void roundTripChecksEveryGraph();
    void byteExample();
    void shortTailIsIgnored();
    void windows1251Formula();
    void extensionAppendedOnlyWhenMissing_data();
    void extensionAppendedOnlyWhenMissing();
    void unwritableFileIsReportedAndOldFileKept();
    void unreadableFileIsReportedAndListKept_data();
    void unreadableFileIsReportedAndListKept();
    void moreThan101RecordsLoads101();
};

void DocumentTest::emptyListWritesEmptyFile() {
    GraphTestBench bench;
    QVERIFY(bench.commands->saveDocument(bench.path("empty")));
    QCOMPARE(bench.redraws, 1);
    QVERIFY(QFile::exists(bench.path("empty.orx")));
    QCOMPARE(QFile(bench.path("empty.orx")).size(), 0);

    bench.addRecord("x");
    QVERIFY(bench.commands->loadDocument(bench.path("empty.orx")));
    QCOMPARE(bench.document.count(), 0);
    QCOMPARE(bench.redraws, 2);
    QVERIFY(Messages().isEmpty());
}

void DocumentTest::roundTripChecksEveryGraph() {
    GraphTestBench bench;
    bench.addRecord("sin(x)", 0x0000FF, true, 100, 2);
    bench.addRecord("x^2", 0x80000005u, false, 1, -7);
    bench.addRecord("ln(x)", 0x00FF00, true, 200, 3);
    bench.list->item(1)->setCheckState(Qt::Unchecked);
    const auto saved = bench.document.allGraphs();
    QVERIFY(bench.commands->saveDocument(bench.path("three.orx")));
    QCOMPARE(QFile(bench.path("three.orx")).size(), 3 * 68);

    bench.commands->newDocument();
    QVERIFY(bench.commands->loadDocument(bench.path("three.orx")));
    QVERIFY(bench.document.allGraphs() == saved);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(bench.document.isChecked(i));
        QCOMPARE(bench.document.itemText(i), QString::fromStdString(saved[static_cast<size_t>(i)].Formula));
    }
}

void DocumentTest::byteExample() {
    GraphTestBench bench;
    bench.addRecord("sin(x)", 0x000000FF, true, 100, 2);
    QVERIFY(bench.commands->saveDocument(bench.path("sin.orx")));
    const QByteArray bytes = readAll(bench.path("sin.orx"));
    QCOMPARE(bytes.size(), 68);
    QCOMPARE(bytes.at(0), '\x06');
    QCOMPARE(bytes.mid(1, 6), QByteArray("sin(x)"));
    QCOMPARE(bytes.mid(52, 4), QByteArray("\xFF\x00\x00\x00", 4));
    QCOMPARE(bytes.at(56), '\x01');
    QCOMPARE(bytes.mid(60, 4), QByteArray("\x64\x00\x00\x00", 4));
    QCOMPARE(bytes.mid(64, 4), QByteArray("\x02\x00\x00\x00", 4));
}

void DocumentTest::shortTailIsIgnored() {
    GraphTestBench bench;
    writeAll(bench.path("150.orx"), record("x", 1) + record("x^2", 2) + QByteArray(14, '\x07'));
    QVERIFY(bench.commands->loadDocument(bench.path("150.orx")));
    QCOMPARE(bench.document.count(), 2);
    QCOMPARE(bench.document.itemText(1), QStringLiteral("x^2"));
    QCOMPARE(bench.document.record(1).Color, 2u);
    QVERIFY(Messages().isEmpty());
}

void DocumentTest::windows1251Formula() {
    GraphTestBench bench;
    // A record written by the program under a Russian code page: "ж*x" in Windows-1251.
    writeAll(bench.path("ru.orx"), record("\xE6*x"));
    QVERIFY(bench.commands->loadDocument(bench.path("ru.orx")));
    QCOMPARE(bench.document.itemText(0), QString::fromUtf8("ж*x"));
    QVERIFY(bench.commands->saveDocument(bench.path("ru2.orx")));
    QCOMPARE(readAll(bench.path("ru2.orx")), readAll(bench.path("ru.orx")));
}

void DocumentTest::extensionAppendedOnlyWhenMissing_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name") << "plot"
                               << "plot.orx";
    QTest::newRow("with extension") << "plot.orx"
                                    << "plot.orx";
    QTest::newRow("other case") << "plot.ORX"
                                << "plot.ORX";
    QTest::newRow("other extension") << "plot.txt"
                                     << "plot.txt.orx";
    QTest::newRow("extension inside") << "plot.orx.bak"
                                      << "plot.orx.bak.orx";
}

void DocumentTest::extensionAppendedOnlyWhenMissing() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    GraphTestBench bench;
    bench.addRecord("x");
    QVERIFY(bench.commands->saveDocument(bench.path(chosen)));
    const QStringList files = QDir(bench.dir.path()).entryList(QDir::Files);
    QCOMPARE(files, QStringList{written});
}

void DocumentTest::unwritableFileIsReportedAndOldFileKept() {
    GraphTestBench bench;
    bench.addRecord("x");
    bench.addRecord("y");

    // A folder that does not exist.
    const QString missing = bench.path("no/such/folder/plot.orx");
    QVERIFY(!bench.commands->saveDocument(missing));
    QCOMPARE(Messages().size(), 1);
    QVERIFY2(Messages().at(0).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(missing)),
             qPrintable(Messages().at(0)));
    QVERIFY(Messages().at(0).size() > QStringLiteral("Cannot create file \"%1\". ").arg(missing).size());
    QCOMPARE(bench.redraws, 0);

    // An existing file that cannot be replaced: its name is as long as a name may be, so no temporary
    // file can be made beside it (and permissions do not stop a test run as root).
    Messages().clear();
    const QString longName = bench.path(QString(251, QLatin1Char('p')) + QStringLiteral(".orx"));
    const QByteArray old = record("old");
    writeAll(longName, old);
    QVERIFY(!bench.commands->saveDocument(longName));
    QCOMPARE(Messages().size(), 1);
    QVERIFY(Messages().at(0).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(longName)));
    QCOMPARE(readAll(longName), old);
    QCOMPARE(QDir(bench.dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind
    QCOMPARE(bench.document.count(), 2);
}

void DocumentTest::unreadableFileIsReportedAndListKept_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.orx";
    QTest::newRow("a folder") << "folder.orx";
}

void DocumentTest::unreadableFileIsReportedAndListKept() {
    QFETCH(QString, name);
    GraphTestBench bench;
    QVERIFY(QDir(bench.dir.path()).mkdir(QStringLiteral("folder.orx")));
    bench.addRecord("x", 1);
    bench.addRecord("y", 2);
    bench.list->item(1)->setCheckState(Qt::Unchecked);
    const QString path = bench.path(name);
    QVERIFY(!bench.commands->loadDocument(path));
    QCOMPARE(Messages().size(), 1);
    QVERIFY2(Messages().at(0).startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)),
             qPrintable(Messages().at(0)));
    QCOMPARE(bench.document.count(), 2);
    QCOMPARE(bench.document.itemText(1), QStringLiteral("y"));
    QVERIFY(!bench.document.isChecked(1));
    QCOMPARE(bench.redraws, 0);
}

void DocumentTest::moreThan101RecordsLoads101() {
    GraphTestBench bench;
    QByteArray bytes;
    for (int i = 0; i < 104; ++i)
        bytes += record("x+" + std::to_string(i));
    writeAll(bench.path("big.orx"), bytes + QByteArray(30, '\0'));
    QVERIFY(bench.commands->loadDocument(bench.path("big.orx")));
    QCOMPARE(bench.document.count(), 101);
    QCOMPARE(bench.document.itemText(100), QStringLiteral("x+100"));
    QCOMPARE(bench.redraws, 1);
    QCOMPARE(Messages().size(), 1);
    QVERIFY2(Messages().at(0).contains(QStringLiteral("101")) &&
                 Messages().at(0).endsWith(QStringLiteral(": 3.")),
             qPrintable(Messages().at(0)));

    // Exactly 101 records load silently.
    Messages().clear();
    writeAll(bench.path("full.orx"), bytes.left(101 * 68));
    QVERIFY(bench.commands->loadDocument(bench.path("full.orx")));
    QCOMPARE(bench.document.count(), 101);
    QVERIFY(Messages().isEmpty());
}

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
