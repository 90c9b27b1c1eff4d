// The about box: its fixed content and the blocked windows after each way of closing.
#include "TAboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using orvex::TAboutBox;

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsNameVersionAndDisclaimer();
    void everyWayOfClosingEnablesTheWindows_data();
    void everyWayOfClosingEnablesTheWindows();

  private:
    QString text(const char* name) const { return box_->findChild<QLabel*>(name)->text(); }

    QWidget* mainWindow_ = nullptr;
    QWidget* buildWindow_ = nullptr;
    TAboutBox* box_ = nullptr;
};

void AboutBoxTest::init() {
    mainWindow_ = new QWidget;
    buildWindow_ = new QWidget;
    mainWindow_->show();
    buildWindow_->show();
    box_ = new TAboutBox;
    box_->setBlockedWindows({mainWindow_, buildWindow_});
}

void AboutBoxTest::cleanup() {
    delete box_;
    delete buildWindow_;
    delete mainWindow_;
}

void AboutBoxTest::showsNameVersionAndDisclaimer() {
    QCOMPARE(box_->parentWidget(), nullptr);
    QCOMPARE(box_->windowTitle(), QString("О программе"));
    for (int opening = 0; opening < 2; ++opening) {
        box_->openOver();
        QCOMPARE(text("ProductName"), QString("Orvex"));
        QVERIFY(box_->findChild<QLabel*>("ProductName")->font().bold());
        QCOMPARE(text("Version"), QString("Версия 1.0 RC2"));
        QVERIFY(text("Comments").contains("Orvex"));
        QCOMPARE(text("Comments").count('.'), 2);
        QCOMPARE(box_->findChild<QPushButton*>("Button1")->text(), QString("Закрыть"));
        box_->close();
    }
}

void AboutBoxTest::everyWayOfClosingEnablesTheWindows_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Закрыть") << true;
    QTest::newRow("close button") << false;
}

void AboutBoxTest::everyWayOfClosingEnablesTheWindows() {
    QFETCH(bool, byButton);
    box_->openOver();
    QVERIFY(box_->isVisible());
    QVERIFY(!mainWindow_->isEnabled());
    QVERIFY(!buildWindow_->isEnabled());
    if (byButton)
        QTest::mouseClick(box_->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    else
        box_->close();
    QVERIFY(!box_->isVisible());
    QVERIFY(mainWindow_->isEnabled());
    QVERIFY(buildWindow_->isEnabled());
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
