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
        QVERIFY(find<QLabel>("ProductName")->font().bold());
        QCOMPARE(text("Version"), QString("Версия 1.0 RC2"));
        QVERIFY(text("Comments").contains("Orvex"));
        QCOMPARE(text("Comments").count('.'), 2); // two sentences
        QCOMPARE(find<QPushButton>("Button1")->text(), QString("Закрыть"));
    }

    void everyWayOfClosingEnablesTheWindows_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Закрыть") << "Button1";
        QTest::newRow("close button") << "close";
    }

    void everyWayOfClosingEnablesTheWindows() {
        QFETCH(QString, way);
        checkClosing([this] { dlg_->openOver(); }, way);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
