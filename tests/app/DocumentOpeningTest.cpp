// Opening documents the way a desktop does: the command line (`orvex [FILE.orx]`, --help, --version) and
// an .orx file dropped on the main window.
#include "AppTestBench.h"
#include "CommandLine.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using orvex::TGraphEntry;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

QString WriteDocument(const QTemporaryDir& dir, const QString& name, const std::vector<TGraphEntry>& graphs) {
    const QString path = dir.filePath(name);
    orvex::testing::WriteAll(path, QByteArray::fromStdString(orvex::EncodeDocument(graphs)));
    return path;
}

// Drags `files` over the main window and drops them; returns whether the window accepted the drag.
bool Drop(MainWindowBench& bench, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    const QPoint at = bench.image().geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bench.form(), &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bench.form(), &drop);
    QCoreApplication::processEvents();
    bench.waitForPicture();
    return true;
}

QString Items(const MainWindowBench& bench) {
    QStringList items;
    for (int i = 0; i < bench.form().document().count(); ++i)
        items << bench.form().document().itemText(i);
    return items.join(QStringLiteral(", "));
}

} // namespace

class DocumentOpeningTest : public QObject {
    Q_OBJECT

  private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // "start FILE", or "exit CODE: start of the printed text"
        QTest::newRow("nothing") << QStringList{} << "start ";
        QTest::newRow("document") << QStringList{"plot.orx"} << "start plot.orx";
        QTest::newRow("version") << QStringList{"--version"} << "exit 0: Orvex 1.0 RC2";
        QTest::newRow("help") << QStringList{"-h"} << "exit 0: ";
        QTest::newRow("two documents") << QStringList{"a.orx", "b.orx"} << "exit 2: ";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "exit 2: ";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const orvex::StartupRequest request = orvex::ParseCommandLine(QStringList{"orvex"} + arguments);
        const QString printed = request.output + request.error;
        const QString got = request.exitCode < 0
                                ? QStringLiteral("start ") + request.document
                                : QStringLiteral("exit %1: %2").arg(request.exitCode).arg(printed);
        QVERIFY2(got.startsWith(expected), qPrintable(got));
        if (QByteArray(QTest::currentDataTag()) == "help")
            QVERIFY(printed.contains(QStringLiteral("--version")) &&
                    printed.contains(QStringLiteral(".orx")));
    }

    void openingAtStartAndByDrop() {
        QTemporaryDir dir;
        const QString two = WriteDocument(dir, "two.ORX", {TGraphEntry{"x"}, TGraphEntry{"-x"}});
        const QString one = WriteDocument(dir, "one.orx", {TGraphEntry{"x^2"}});
        MainWindowBench bench;
        bench.form().openDocument(two); // what `orvex two.ORX` does after start-up
        QCOMPARE(Items(bench), QStringLiteral("x, -x"));
        QVERIFY(!Drop(bench, {dir.filePath("notes.txt")})); // only documents are taken
        QVERIFY(Drop(bench, {dir.filePath("notes.txt"), one}));
        QCOMPARE(Items(bench), QStringLiteral("x^2"));
        QVERIFY(Messages().isEmpty());
        // A document that cannot be read gives the open command's message and leaves the list.
        bench.form().openDocument(dir.filePath("missing.orx"));
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages().constFirst().startsWith(QStringLiteral("Cannot open file")));
        QCOMPARE(Items(bench), QStringLiteral("x^2"));
    }
};

QTEST_MAIN(DocumentOpeningTest)
#include "DocumentOpeningTest.moc"
