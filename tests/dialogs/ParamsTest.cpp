// The default-settings dialog: filling from the settings file, writing it back or not, and the blocked
// windows after each way of closing.
#include "DialogTestSupport.h"
#include "SettingsFile.h"
#include "TParams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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
    void setValues(const QStringList& texts) {
        QStringList fields;
        for (int i = 0; i < 9; ++i)
            fields << QString(kControls[i]) + "=" + texts[i];
        fill(fields);
    }
    QStringList values() const {
        QStringList texts;
        for (const char* name : kControls) {
            auto* w = find<QWidget>(name);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                texts << edit->text();
            else if (auto* box = qobject_cast<QComboBox*>(w))
                texts << box->currentText();
            else
                texts << QString::number(qobject_cast<QSlider*>(w)->value());
        }
        return texts;
    }
    QByteArray fileContent() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& content) {
        QDir().mkpath(QFileInfo(path_).path());
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<orvex::SettingsFile> settings_;
    QString path_;

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
        settings_ = std::make_unique<orvex::SettingsFile>(orvex::DefaultSettingsPath());
        path_ = QString::fromStdString(settings_->path().string());
        QVERIFY(path_.startsWith(dir_->path()));
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

    void closingWithoutSavingWritesNothing() {
        writeFile("[Limits]\nXMin=-8\n");
        const QByteArray before = fileContent();
        dlg_->openWithSettings(settings_.get());
        setValues({"99", "99", "99", "99", "99", "99", "99", "Stripes", "5"});
        QTest::mouseClick(find<QPushButton>("NotApply"), Qt::LeftButton);
        QCOMPARE(fileContent(), before);
    }

    void refusedWriteKeepsTheDialogOpen() {
        // The settings folder is a plain file, so no write can succeed.
        QFile blocker(dir_->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = blocker.fileName() + "/orxsettings.ini";
        orvex::SettingsFile refused(path.toStdString());
        dlg_->openWithSettings(&refused);
        QCOMPARE(clickThroughBox("Apply").value(1), "Unable to write to " + path);
        QVERIFY(dlg_->isVisible() && windowsDisabled());
        QTest::mouseClick(find<QPushButton>("NotApply"), Qt::LeftButton);
        QVERIFY(windowsEnabled());
    }

    void everyWayOfClosingEnablesTheWindows_data() {
        QTest::addColumn<QString>("way");
        for (const char* way : {"Apply", "NotApply", "close"})
            QTest::newRow(way) << way;
    }

    void everyWayOfClosingEnablesTheWindows() {
        QFETCH(QString, way);
        checkClosing([this] { dlg_->openWithSettings(settings_.get()); }, way);
    }
};

QTEST_MAIN(ParamsTest)
#include "ParamsTest.moc"
