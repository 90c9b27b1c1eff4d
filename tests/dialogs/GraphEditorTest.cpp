// The graph editor on its own: controls, the record it builds, the confirm and cancel paths and the
// re-enabling of the windows it blocks.
#include "ColorBox.h"
#include "TForm4.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <limits>

using orvex::GraphEditorFields;
using orvex::TForm4;
using orvex::TGraphEntry;

Q_DECLARE_METATYPE(orvex::TGraphEntry)

class GraphEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void controlsAndTexts();
    void linesBoxEnablesWidth();
    void confirmBuildsRecord_data();
    void confirmBuildsRecord();
    void confirmClosesThenAsksForRedraw();
    void widthThatIsNotANumberIsZero();

  private:
    void openEditor(const GraphEditorFields& fields);

    QWidget* main_ = nullptr;
    QWidget* tool_ = nullptr;
    TForm4* editor_ = nullptr;
};

void GraphEditorTest::init() {
    qRegisterMetaType<TGraphEntry>();
    main_ = new QWidget;
    tool_ = new QWidget;
    main_->show();
    tool_->show();
    editor_ = new TForm4;
    editor_->setBlockedWindows({main_, tool_});
}

void GraphEditorTest::cleanup() {
    delete editor_;
    delete tool_;
    delete main_;
}

void GraphEditorTest::openEditor(const GraphEditorFields& fields) {
    editor_->fill(fields);
    editor_->openOver();
    QVERIFY(editor_->isVisible());
    QVERIFY(!main_->isEnabled());
    QVERIFY(!tool_->isEnabled());
}

void GraphEditorTest::controlsAndTexts() {
    QVERIFY(editor_->parent() == nullptr);
    for (const char* name : {"Edit1", "ColorBox1", "TrackBar1", "CheckBox1", "Button1", "SpinEdit1", "Label1",
                             "Label2", "Label3", "Label4", "Label5"})
        QVERIFY2(editor_->findChild<QWidget*>(QString::fromLatin1(name)), name);
    QCOMPARE(editor_->findChild<QLabel*>("Label2")->text(), QString::fromUtf8("Цвет графика:"));
    QCOMPARE(editor_->findChild<QLabel*>("Label3")->text(), QString::fromUtf8("Качество построения:"));
    QCOMPARE(editor_->findChild<QLabel*>("Label4")->text(), QString::fromUtf8("Толщина линии:"));
    QVERIFY(editor_->findChild<QLabel*>("Label5")->text().endsWith(QString::fromUtf8("abs, ln.  ")));
    QCOMPARE(editor_->linesBox()->text(), QString::fromUtf8("Строить линиями"));
    QCOMPARE(editor_->confirmButton()->text(), QString::fromUtf8("Построить график"));
    QCOMPARE(editor_->confirmButton()->size(), QSize(265, 65));
    QCOMPARE(editor_->qualityBar()->minimum(), 1);
    QCOMPARE(editor_->qualityBar()->maximum(), 200);
    QCOMPARE(editor_->qualityBar()->tickInterval(), 5);
    QCOMPARE(editor_->widthEdit()->minimum(), std::numeric_limits<int>::min());
    QCOMPARE(editor_->widthEdit()->maximum(), std::numeric_limits<int>::max());
    // 410 x 210, or more where the fonts in force need it.
    QVERIFY(editor_->width() >= 410 && editor_->width() < 440);
    QVERIFY(editor_->height() >= 210);
    QCOMPARE(editor_->minimumSize(), editor_->maximumSize()); // a fixed border

    // The colour box offers the system colours, whose values have the top bit set.
    bool system = false;
    for (int i = 0; i < editor_->colorBox()->count(); ++i)
        system = system || (editor_->colorBox()->itemData(i).value<quint32>() & 0x80000000u) != 0;
    QVERIFY(system);

    // The tab order runs through the controls in the order the user fills them.
    QList<QWidget*> order;
    for (QWidget* w = editor_->formulaEdit(); order.size() < 6; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w);
    QCOMPARE(order.at(0), editor_->formulaEdit());
    QCOMPARE(order.at(1), editor_->colorBox());
    QCOMPARE(order.at(2), editor_->qualityBar());
    QCOMPARE(order.at(3), editor_->linesBox());
    QCOMPARE(order.at(4), editor_->confirmButton());
    QCOMPARE(order.at(5), editor_->widthEdit());
}

void GraphEditorTest::linesBoxEnablesWidth() {
    GraphEditorFields fields;
    fields.drawLines = true;
    fields.lineWidth = 4;
    openEditor(fields);
    QVERIFY(editor_->widthEdit()->isEnabled());
    QTest::mouseClick(editor_->linesBox(), Qt::LeftButton);
    QVERIFY(!editor_->widthEdit()->isEnabled());
    // The width stays and is stored while the field is disabled.
    QCOMPARE(editor_->entry().LineWidth, 4);
    QTest::mouseClick(editor_->linesBox(), Qt::LeftButton);
    QVERIFY(editor_->widthEdit()->isEnabled());

    // Filling with the box already in the wanted state still sets the field.
    fields.drawLines = false;
    editor_->fill(fields);
    QVERIFY(!editor_->widthEdit()->isEnabled());
    editor_->fill(fields);
    QVERIFY(!editor_->widthEdit()->isEnabled());
}

void GraphEditorTest::confirmBuildsRecord_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("plain") << "sin(x)" << QByteArray("sin(x)");
    QTest::newRow("blanks only are accepted") << "   " << QByteArray("   ");
    QTest::newRow("Cyrillic in Windows-1251") << QString::fromUtf8("ж*x") << QByteArray("\xE6*x");
    QTest::newRow("outside Windows-1251") << QString::fromUtf8("x+\u00E4") << QByteArray("x+?");
}

void GraphEditorTest::confirmBuildsRecord() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    GraphEditorFields fields;
    fields.color = 0x0000FF;
    fields.quality = 150;
    fields.drawLines = true;
    fields.lineWidth = 3;
    openEditor(fields);
    QSignalSpy confirmed(editor_, &TForm4::graphConfirmed);
    editor_->formulaEdit()->insert(typed); // as typed; keyClicks knows Latin-1 only
    QTest::mouseClick(editor_->confirmButton(), Qt::LeftButton);

    QCOMPARE(confirmed.size(), 1);
    const auto entry = confirmed.at(0).at(0).value<TGraphEntry>();
    QCOMPARE(QByteArray::fromStdString(entry.Formula), stored);
    QCOMPARE(entry.Color, 0x0000FFu);
    QCOMPARE(entry.Quality, 150);
    QVERIFY(entry.DrawLines);
    QCOMPARE(entry.LineWidth, 3);
    QCOMPARE(confirmed.at(0).at(1).toString(), typed); // the list item gets the text as typed
}

void GraphEditorTest::confirmClosesThenAsksForRedraw() {
    openEditor({});
    bool closedBeforeRedraw = false;
    int redraws = 0;
    connect(editor_, &TForm4::redrawRequested, this, [&] {
        ++redraws;
        closedBeforeRedraw = !editor_->isVisible() && main_->isEnabled() && tool_->isEnabled();
    });
    editor_->formulaEdit()->setText(QStringLiteral("x"));
    QTest::mouseClick(editor_->confirmButton(), Qt::LeftButton);
    QCOMPARE(redraws, 1);
    QVERIFY(closedBeforeRedraw);
}

void GraphEditorTest::widthThatIsNotANumberIsZero() {
    GraphEditorFields fields;
    fields.drawLines = true;
    fields.lineWidth = 7;
    openEditor(fields);
    auto* text = editor_->widthEdit()->findChild<QLineEdit*>();
    QVERIFY(text);
    text->clear();
    QCOMPARE(editor_->entry().LineWidth, 0);
    QTest::keyClicks(text, QStringLiteral("-"));
    QCOMPARE(editor_->entry().LineWidth, 0);
    QTest::keyClicks(text, QStringLiteral("12"));
    QCOMPARE(editor_->entry().LineWidth, -12); // a negative width is stored as typed
}

QTEST_MAIN(GraphEditorTest)
#include "GraphEditorTest.moc"
