// The graph editor on its own: the tab order, the record it builds, the confirm path and the width field.
#include "ColorBox.h"
#include "DialogTestSupport.h"
#include "TForm4.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>

using orvex::GraphEditorFields;
using orvex::TGraphEntry;

Q_DECLARE_METATYPE(orvex::TGraphEntry)

class GraphEditorTest : public QObject, DialogBench<orvex::TForm4> {
    Q_OBJECT

    void open(bool drawLines, int lineWidth, std::uint32_t color = 0) {
        GraphEditorFields fields;
        fields.color = color;
        fields.quality = 150;
        fields.drawLines = drawLines;
        fields.lineWidth = lineWidth;
        dlg_->fill(fields);
        dlg_->openOver();
    }

  private slots:
    void init() {
        qRegisterMetaType<TGraphEntry>();
        renew();
    }

    void tabOrderFollowsTheFilling() {
        const QList<QWidget*> expected{dlg_->formulaEdit(), dlg_->colorBox(),      dlg_->qualityBar(),
                                       dlg_->linesBox(),    dlg_->confirmButton(), dlg_->widthEdit()};
        QList<QWidget*> order;
        for (QWidget* w = dlg_->formulaEdit(); order.size() < 6; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                order.append(w);
        QCOMPARE(order, expected);
    }

    void closingEnablesTheWindows() {
        checkClosing([this] { dlg_->openOver(); }, "close");
    }

    void linesBoxEnablesWidth() {
        open(true, 4);
        QVERIFY(dlg_->widthEdit()->isEnabled());
        QTest::mouseClick(dlg_->linesBox(), Qt::LeftButton);
        QVERIFY(!dlg_->widthEdit()->isEnabled());
        QCOMPARE(dlg_->entry().LineWidth, 4); // the width stays and is stored while the field is disabled
        // Filling with the box already in the wanted state still sets the field.
        open(false, 4);
        QVERIFY(!dlg_->widthEdit()->isEnabled());
    }

    void confirmBuildsRecord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("custom colour") << "sin(x)" << 0x123456u << QByteArray("sin(x)");
        QTest::newRow("system colour, blanks") << "   " << 0x80000005u << QByteArray("   ");
        QTest::newRow("Windows-1251") << QString("ж*x") << 0xFFu << QByteArray("\xE6*x");
        QTest::newRow("outside Windows-1251") << QString("x+\u00E4") << 0xFFu << QByteArray("x+?");
        QTest::newRow("60 characters") << QString(60, 'x') << 0xFFu << QByteArray(50, 'x');
    }

    void confirmBuildsRecord() {
        QFETCH(QString, typed);
        QFETCH(uint, color);
        QFETCH(QByteArray, stored);
        open(true, 3, color);
        QSignalSpy confirmed(dlg_.get(), &orvex::TForm4::graphConfirmed);
        dlg_->formulaEdit()->insert(typed); // as typed; keyClicks knows Latin-1 only
        QTest::mouseClick(dlg_->confirmButton(), Qt::LeftButton);
        QCOMPARE(confirmed.size(), 1);
        const auto entry = confirmed.at(0).at(0).value<TGraphEntry>();
        QCOMPARE(QByteArray::fromStdString(entry.Formula), stored);
        QCOMPARE(entry.Color, color);
        QCOMPARE(entry.Quality, 150);
        QVERIFY(entry.DrawLines);
        QCOMPARE(entry.LineWidth, 3);
        QCOMPARE(confirmed.at(0).at(1).toString(), typed); // the list item gets the text as typed
    }

    void confirmClosesThenAsksForRedraw() {
        open(false, 1);
        int redraws = 0;
        connect(dlg_.get(), &orvex::TForm4::redrawRequested, this, [&] {
            ++redraws;
            QVERIFY(!dlg_->isVisible() && windowsEnabled());
        });
        dlg_->formulaEdit()->setText("x");
        QTest::mouseClick(dlg_->confirmButton(), Qt::LeftButton);
        QCOMPARE(redraws, 1);
    }

    void widthThatIsNotANumberIsZero() {
        open(true, 7);
        auto* typed = dlg_->widthEdit()->findChild<QLineEdit*>();
        typed->clear();
        QCOMPARE(dlg_->entry().LineWidth, 0);
        QTest::keyClicks(typed, "-");
        QCOMPARE(dlg_->entry().LineWidth, 0);
        QTest::keyClicks(typed, "12");
        QCOMPARE(dlg_->entry().LineWidth, -12); // a negative width is stored as typed
    }
};

QTEST_MAIN(GraphEditorTest)
#include "GraphEditorTest.moc"
