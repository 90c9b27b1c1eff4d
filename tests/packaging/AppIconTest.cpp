// The program's icon: drawn from the resources at every theme size, and shown by the about box whether
// the application's icon is set before or after the box is made, without making the box bigger.
#include "AppIcon.h"
#include "TAboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class AppIconTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QApplication::setWindowIcon(QIcon()); }

    void drawnAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }
    void drawnAtEverySize() {
        QFETCH(int, size);
        const QIcon icon = orvex::OrvexIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(size, size));
        // A rounded tile: opaque inside, transparent in the corners.
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    // When the application's icon is set: 0 never, 1 before the box is made, 2 after.
    void aboutBoxShowsTheApplicationIcon_data() {
        QTest::addColumn<int>("when");
        QTest::newRow("no icon") << 0;
        QTest::newRow("icon set before the box") << 1;
        QTest::newRow("icon set after the box") << 2;
    }
    void aboutBoxShowsTheApplicationIcon() {
        QFETCH(int, when);
        const QSize plain = orvex::TAboutBox().size(); // made while the application has no icon
        if (when == 1)
            QApplication::setWindowIcon(orvex::OrvexIcon());
        orvex::TAboutBox box;
        if (when == 2)
            QApplication::setWindowIcon(orvex::OrvexIcon());
        box.show();
        auto* label = box.findChild<QLabel*>("Icon");
        QVERIFY(label != nullptr);
        QCOMPARE(label->isVisible(), when != 0);
        QCOMPARE(label->pixmap().isNull(), when == 0);
        // The icon does not make the box taller, and no text is cut off.
        QCOMPARE(box.size(), plain);
        QCOMPARE(plain.width(), 345);
        QVERIFY(plain.height() >= 177);
        for (const char* name : {"ProductName", "Version", "Comments"}) {
            const auto* text = box.findChild<QLabel*>(name);
            const int needed =
                text->hasHeightForWidth() ? text->heightForWidth(text->width()) : text->sizeHint().height();
            QVERIFY2(text->height() >= needed, name);
        }
    }
};

QTEST_MAIN(AppIconTest)
#include "AppIconTest.moc"
