// The default-settings dialog: filling from the settings file, writing it back or not, and the blocked
// windows after each way of closing.
#include "SettingsFile.h"
#include "TParams.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using orvex::SettingsFile;
using orvex::TParams;

class ParamsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsDefaultsWithoutAFile();
    void showsStoredValuesUnvalidated();
    void applyWritesTheNineKeys();
    void closingWithoutSavingWritesNothing();
    void refusedWriteKeepsTheDialogOpen();
    void everyWayOfClosingEnablesTheWindows_data();
    void everyWayOfClosingEnablesTheWindows();

  private:
    template <typename T> T* find(const char* name) {
        auto* child = dlg_->findChild<T*>(name);
        if (child == nullptr)
            qFatal("no control %s", name);
        return child;
    }
    QString edit(const char* name) { return find<QLineEdit>(name)->text(); }
    void writeFile(const QByteArray& content);
    [[nodiscard]] QByteArray fileContent() const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<SettingsFile> settings_;
    QWidget* mainWindow_ = nullptr;
    QWidget* buildWindow_ = nullptr;
    TParams* dlg_ = nullptr;
};

void ParamsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
    settings_ = std::make_unique<SettingsFile>(orvex::DefaultSettingsPath());
    QVERIFY(QString::fromStdString(settings_->path().string()).startsWith(dir_->path()));
    mainWindow_ = new QWidget;
    buildWindow_ = new QWidget;
    mainWindow_->show();
    buildWindow_->show();
    dlg_ = new TParams;
    dlg_->setBlockedWindows({mainWindow_, buildWindow_});
}

void ParamsTest::cleanup() {
    delete dlg_;
    delete buildWindow_;
    delete mainWindow_;
    settings_.reset();
    dir_.reset();
}

void ParamsTest::writeFile(const QByteArray& content) {
    QDir().mkpath(dir_->filePath("orvex"));
    QFile file(QString::fromStdString(settings_->path().string()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ParamsTest::fileContent() const {
    QFile file(QString::fromStdString(settings_->path().string()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void ParamsTest::showsDefaultsWithoutAFile() {
    QCOMPARE(dlg_->parentWidget(), nullptr);
    QCOMPARE(dlg_->windowTitle(), QString("Параметры по умолчанию"));
    dlg_->openWithSettings(settings_.get());
    QVERIFY(dlg_->isVisible());
    QCOMPARE(edit("Exmin2"), QString("-5"));
    QCOMPARE(edit("Exmax2"), QString("5"));
    QCOMPARE(edit("Eymin2"), QString("-5"));
    QCOMPARE(edit("Eymax2"), QString("5"));
    QCOMPARE(edit("Evert"), QString("10"));
    QCOMPARE(edit("Egoriz"), QString("10"));
    QCOMPARE(edit("Etime"), QString("0"));
    QCOMPARE(find<QComboBox>("ComboBox2")->currentText(), QString("Default"));
    QCOMPARE(find<QSlider>("TrackBar1")->value(), 100);
}

void ParamsTest::showsStoredValuesUnvalidated() {
    writeFile(
        "[limits]\nxmin=abc\nHor=7\n[Theme]\nName=Blue\n[HintPause]\nPause=soon\n[Quality]\nGraph=37\n");
    dlg_->openWithSettings(settings_.get());
    QCOMPARE(edit("Exmin2"), QString("abc"));
    QCOMPARE(edit("Exmax2"), QString("5"));
    QCOMPARE(edit("Egoriz"), QString("7"));
    QCOMPARE(edit("Etime"), QString("soon"));
    QCOMPARE(find<QComboBox>("ComboBox2")->currentText(), QString("Blue"));
    QCOMPARE(find<QSlider>("TrackBar1")->value(), 37);
}

void ParamsTest::applyWritesTheNineKeys() {
    dlg_->openWithSettings(settings_.get());
    const char* edits[] = {"Exmin2", "Exmax2", "Eymin2", "Eymax2", "Evert", "Egoriz"};
    const char* texts[] = {"-1", "2,5", "-3", "4", "", "12"};
    for (int i = 0; i < 6; ++i)
        find<QLineEdit>(edits[i])->setText(texts[i]);
    find<QLineEdit>("Etime")->setText("");
    find<QComboBox>("ComboBox2")->setEditText("Blue");
    find<QSlider>("TrackBar1")->setValue(37);
    QTest::mouseClick(find<QPushButton>("Apply"), Qt::LeftButton);

    QVERIFY(!dlg_->isVisible());
    using namespace orvex::settings;
    const char* keys[] = {"XMin", "XMax", "YMin", "YMax", "Vert", "Hor"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(QString::fromStdString(settings_->readString(kLimits, keys[i], "missing")),
                 QString(texts[i]));
    QCOMPARE(settings_->readString(kTheme, "Name", "missing"), std::string("Blue"));
    QCOMPARE(settings_->readString(kHintPause, "Pause", "missing"), std::string());
    QCOMPARE(settings_->readInteger(kQuality, "Graph", 0), 37);
    QVERIFY(fileContent().contains("Graph=37"));

    // The next opening shows what was written.
    dlg_->openWithSettings(settings_.get());
    QCOMPARE(edit("Exmax2"), QString("2,5"));
    QCOMPARE(find<QSlider>("TrackBar1")->value(), 37);
}

void ParamsTest::closingWithoutSavingWritesNothing() {
    writeFile("[Limits]\nXMin=-8\n");
    const QByteArray before = fileContent();
    dlg_->openWithSettings(settings_.get());
    for (const char* name : {"Exmin2", "Exmax2", "Eymin2", "Eymax2", "Evert", "Egoriz", "Etime"})
        find<QLineEdit>(name)->setText("99");
    find<QComboBox>("ComboBox2")->setEditText("Stripes");
    find<QSlider>("TrackBar1")->setValue(5);
    QTest::mouseClick(find<QPushButton>("NotApply"), Qt::LeftButton);
    QVERIFY(!dlg_->isVisible());
    QCOMPARE(fileContent(), before);

    dlg_->openWithSettings(settings_.get());
    QCOMPARE(edit("Exmin2"), QString("-8"));
    QCOMPARE(edit("Evert"), QString("10"));
    QCOMPARE(find<QSlider>("TrackBar1")->value(), 100);
}

void ParamsTest::refusedWriteKeepsTheDialogOpen() {
    // The settings folder is a plain file, so no write can succeed.
    QFile blocker(dir_->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsFile refused(std::filesystem::path(dir_->filePath("blocker").toStdString()) / "orxsettings.ini");
    dlg_->openWithSettings(&refused);

    QString message;
    QTimer::singleShot(50, this, [&message] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(find<QPushButton>("Apply"), Qt::LeftButton);
    QVERIFY2(message.startsWith("Unable to write to "), qPrintable(message));
    QVERIFY(dlg_->isVisible());
    QVERIFY(!mainWindow_->isEnabled());

    QTest::mouseClick(find<QPushButton>("NotApply"), Qt::LeftButton);
    QVERIFY(mainWindow_->isEnabled());
    QVERIFY(buildWindow_->isEnabled());
}

void ParamsTest::everyWayOfClosingEnablesTheWindows_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("apply") << "Apply";
    QTest::newRow("not apply") << "NotApply";
    QTest::newRow("close button") << "";
}

void ParamsTest::everyWayOfClosingEnablesTheWindows() {
    QFETCH(QString, way);
    dlg_->openWithSettings(settings_.get());
    QVERIFY(!mainWindow_->isEnabled());
    QVERIFY(!buildWindow_->isEnabled());
    if (way.isEmpty())
        dlg_->close();
    else
        QTest::mouseClick(dlg_->findChild<QPushButton*>(way), Qt::LeftButton);
    QVERIFY(!dlg_->isVisible());
    QVERIFY(mainWindow_->isEnabled());
    QVERIFY(buildWindow_->isEnabled());
}

QTEST_MAIN(ParamsTest)
#include "ParamsTest.moc"
