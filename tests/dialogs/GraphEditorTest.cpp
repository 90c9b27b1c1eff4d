// The graph editor on its own: the tab order, the record it builds, the confirm path and the width field.
#include "ColorBox.h"
#include "DialogTestSupport.h"
#include "TForm4.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>

using orvex::TGraphEntry;

Q_DECLARE_METATYPE(orvex::TGraphEntry)

class GraphEditorTest : public QObject, DialogBench<orvex::TForm4> {
    Q_OBJECT

    void open(bool drawLines, int lineWidth, std::uint32_t color = 0) {
        dlg_->fill({{}, {}, {}, color, 150, drawLines, lineWidth}); // no caption, label or formula
        dlg_->openOver();
    }

  private slots:
    void init() {
        qRegisterMetaType<TGraphEntry>();
        renew();
    }

    void tabOrderFollowsTheFilling() {
        QList<QWidget*> order;
        for (QWidget* w = dlg_->formulaEdit(); order.size() < 6; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                order.append(w);
        QCOMPARE(order, (QList<QWidget*>{dlg_->formulaEdit(), dlg_->colorBox(), dlg_->qualityBar(),
                                         dlg_->linesBox(), dlg_->confirmButton(), dlg_->widthEdit()}));
    }

    void closingEnablesTheWindows() {
        checkClosing([this] { dlg_->openOver(); }, {"close"});
    }

    // Confirming stores the record, closes the editor (enabling the windows), then asks for a redraw.
    void confirmBuildsRecord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("system colour, blanks") << "   " << 0x80000005u << QByteArray("   ");
        QTest::newRow("Windows-1251") << QString("ж*x") << 0x123456u << QByteArray("\xE6*x");
        QTest::newRow("outside Windows-1251") << QString("x+\u00E4") << 0xFFu << QByteArray("x+?");
    }
    void confirmBuildsRecord() {
        QFETCH(QString, typed);
        QFETCH(uint, color);
        QFETCH(QByteArray, stored);
        open(true, 3, color);
        QSignalSpy confirmed(dlg_.get(), &orvex::TForm4::graphConfirmed);
        QStringList redraws;
        connect(dlg_.get(), &orvex::TForm4::redrawRequested, this, [&] {
            redraws << QString("%1 shown, %2 enabled").arg(dlg_->isVisible()).arg(enabledWindows());
        });
        dlg_->formulaEdit()->insert(typed); // as typed; keyClicks knows Latin-1 only
        QTest::mouseClick(dlg_->confirmButton(), Qt::LeftButton);
        QCOMPARE(confirmed.size(), 1);
        QVERIFY((confirmed.at(0).at(0).value<TGraphEntry>() ==
                 TGraphEntry{stored.toStdString(), color, true, 150, 3}));
        QCOMPARE(confirmed.at(0).at(1).toString(), typed); // the list item gets the text as typed
        QCOMPARE(redraws, QStringList{"0 shown, 2 enabled"});
    }

    void widthField() {
        open(false, 4); // filling with the box already unchecked still disables the field
        QVERIFY(!dlg_->widthEdit()->isEnabled());
        open(true, 7);
        QVERIFY(dlg_->widthEdit()->isEnabled());
        auto* typed = dlg_->widthEdit()->findChild<QLineEdit*>();
        typed->clear(); // a width that is not a number is 0, a negative one is stored as typed
        QCOMPARE(dlg_->entry().LineWidth, 0);
        QTest::keyClicks(typed, "-12");
        QCOMPARE(dlg_->entry().LineWidth, -12);
        QTest::mouseClick(dlg_->linesBox(), Qt::LeftButton);
        QVERIFY(!dlg_->widthEdit()->isEnabled());
        QCOMPARE(dlg_->entry().LineWidth, -12); // kept and stored while the field is disabled
    }
};

QTEST_MAIN(GraphEditorTest)
#include "GraphEditorTest.moc"
