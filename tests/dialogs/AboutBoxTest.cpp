// The about box: its fixed content and the blocked windows after each way of closing.
#include "DialogTestSupport.h"
#include "TAboutBox.h"

class AboutBoxTest : public QObject, DialogBench<orvex::TAboutBox> {
    Q_OBJECT

  private slots:
    void init() { renew(); }

    void showsNameVersionAndDisclaimer() {
        dlg_->openOver();
        QCOMPARE(dlg_->windowTitle(), QString("О программе"));
        QCOMPARE(text("ProductName"), QString("Orvex"));
        QCOMPARE(text("Version"), QString("Версия 1.0 RC2"));
        QCOMPARE(text("Comments").count('.'), 2); // two sentences
    }

    void everyWayOfClosingEnablesTheWindows() {
        checkClosing([this] { dlg_->openOver(); }, {"Button1", "close"});
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
