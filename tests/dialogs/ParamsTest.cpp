// The default-settings dialog: filling from the settings file, writing it back or not, and the blocked
// windows after each way of closing.
#include "DialogTestSupport.h"
#include "SettingsFile.h"
#include "TParams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <string_view>
#include <utility>

using namespace orvex::settings;

namespace {
// The controls in the order of the keys they show.
const char* const kControls[] = {"Exmin2", "Exmax2", "Eymin2",    "Eymax2",   "Evert",
                                 "Egoriz", "Etime",  "ComboBox2", "TrackBar1"};
const std::pair<std::string_view, const char*> kKeys[] = {
    {kLimits, "XMin"}, {kLimits, "XMax"},     {kLimits, "YMin"}, {kLimits, "YMax"},  {kLimits, "Vert"},
    {kLimits, "Hor"},  {kHintPause, "Pause"}, {kTheme, "Name"},  {kQuality, "Graph"}};
} // namespace

class ParamsTest : public QObject, DialogBench<orvex::TParams> {
    Q_OBJECT

    // Sets the nine controls to `texts` in the order of kControls, or reads them.
    void setValues(const QStringList& texts) const {
        for (int i = 0; i < 9; ++i)
            fill({QString(kControls[i]) + "=" + texts[i]});
    }
    [[nodiscard]] QStringList values() const {
        QStringList texts;
        for (const char* name : kControls) {
            auto* w = find<QWidget>(name);
            const char* shown = qobject_cast<QLineEdit*>(w)   ? "text"
                                : qobject_cast<QComboBox*>(w) ? "currentText"
                                                              : "value";
            texts << w->property(shown).toString();
        }
        return texts;
    }
    void writeFile(const QByteArray& content) const {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }

    QTemporaryDir dir_;
    const QString path_ = dir_.filePath("orxsettings.ini");
    std::unique_ptr<orvex::SettingsFile> settings_;

  private slots:
    void init() {
        QFile::remove(path_);
        settings_ = std::make_unique<orvex::SettingsFile>(path_.toStdString());
        renew();
    }

    // Missing keys show the defaults; stored values are shown as they stand, unvalidated.
    void showsTheFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no file") << QByteArray()
                                 << QStringList{"-5", "5", "-5", "5", "10", "10", "0", "Default", "100"};
        QTest::newRow("stored") << QByteArray("[limits]\nxmin=abc\nHor=7\n[Theme]\nName=Blue\n[HintPause]\n"
                                              "Pause=soon\n[Quality]\nGraph=37\n")
                                << QStringList{"abc", "5", "-5", "5", "10", "7", "soon", "Blue", "37"};
    }
    void showsTheFile() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        if (!file.isNull())
            writeFile(file);
        dlg_->openWithSettings(settings_.get());
        QCOMPARE(values(), shown);
    }

    void applyWritesTheNineKeys() {
        const QStringList typed{"-1", "2,5", "-3", "4", "", "12", "", "Blue", "37"};
        dlg_->openWithSettings(settings_.get());
        setValues(typed);
        QTest::mouseClick(find<QPushButton>("Apply"), Qt::LeftButton);
        QVERIFY(!dlg_->isVisible());
        QStringList stored;
        for (const auto& [section, key] : kKeys)
            stored << QString::fromStdString(settings_->readString(section, key, "missing"));
        QCOMPARE(stored, typed);
        dlg_->openWithSettings(settings_.get()); // and shows them again, blanks included
        QCOMPARE(values(), typed);
    }

    // The program keeps options of its own in the same file (smoothing in its own section): applying the
    // nine keys leaves every other section, key and comment where and as it was.
    void applyKeepsEverythingElse() {
        const QByteArray before = "; kept\n[Limits]\nXMin=-8\nExtra=keep me\n[Smoothing]\nEnabled=1\n"
                                  "[Quality]\nGraph=50\n[Other]\nKey=value\n";
        writeFile(before);
        dlg_->openWithSettings(settings_.get());
        setValues({"-1", "2,5", "-3", "4", "", "12", "", "Blue", "37"});
        QTest::mouseClick(find<QPushButton>("Apply"), Qt::LeftButton);
        QFile file(path_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> after = file.readAll().split('\n');
        QList<QByteArray> others;
        for (const QByteArray& line : after)
            if (!line.contains('=') || line.startsWith("Extra=") || line.startsWith("Enabled=") ||
                line.startsWith("Key="))
                others << line;
        QCOMPARE(others,
                 (QList<QByteArray>{"; kept", "[Limits]", "Extra=keep me", "[Smoothing]", "Enabled=1",
                                    "[Quality]", "[Other]", "Key=value", "[Theme]", "[HintPause]", ""}));
        QCOMPARE(settings_->readInteger(kSmoothing, "Enabled", 0), 1);
        QCOMPARE(settings_->readString(kQuality, "Graph", ""), std::string("37"));
    }

    void closingWithoutSavingWritesNothing() {
        writeFile("[Limits]\nXMin=-8\n");
        dlg_->openWithSettings(settings_.get());
        setValues({"99", "99", "99", "99", "99", "99", "99", "Stripes", "5"});
        QTest::mouseClick(find<QPushButton>("NotApply"), Qt::LeftButton);
        QFile file(path_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Limits]\nXMin=-8\n"));
    }

    // A settings place that cannot be read opens the dialog with the defaults and no message; a write to it
    // is refused with a message, and the dialog stays open over the blocked windows until it is closed.
    void unusableFileKeepsTheDialogWorking_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("file on the way") << "file";
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
    }
    void unusableFileKeepsTheDialogWorking() {
        QFETCH(QString, kind);
        QString path = path_;
        if (kind == "file") {
            writeFile({});
            path += "/orxsettings.ini";
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        orvex::SettingsFile unusable(path.toStdString());
        dlg_->openWithSettings(&unusable);
        QCOMPARE(values(), (QStringList{"-5", "5", "-5", "5", "10", "10", "0", "Default", "100"}));
        QCOMPARE(clickThroughBox("Apply").value(1), "Unable to write to " + path);
        QVERIFY(dlg_->isVisible() && enabledWindows() == 0);
        QTest::mouseClick(find<QPushButton>("NotApply"), Qt::LeftButton);
        QCOMPARE(enabledWindows(), 2);
        QFile::remove(path_);
        QDir().rmdir(path_);
    }

    void everyWayOfClosingEnablesTheWindows() {
        checkClosing([this] { dlg_->openWithSettings(settings_.get()); }, {"Apply", "NotApply", "close"});
    }
};

QTEST_MAIN(ParamsTest)
#include "ParamsTest.moc"
