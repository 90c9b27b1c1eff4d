// The panel "Исследование функции" in the main window: Ctrl+F9 shows and hides it; it studies the graph
// chosen in the list over the picture's x range or over its own, follows the redraws and the choice,
// marks the points and vertical asymptotes over the picture (not in it) and copies the study as text.
#include "StudyPanel.h"
#include "AppTestBench.h"
#include "PlotMapping.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using orvex::PlotMarker;
using orvex::TGraphEntry;
using orvex::testing::MainWindowBench;
using orvex::testing::Messages;

namespace {

QList<PlotMarker> Shaped(const MainWindowBench& bench, PlotMarker::Shape shape) {
    QList<PlotMarker> out;
    for (const PlotMarker& m : bench.image().markers(orvex::OverlayLayer::Study))
        if (m.shape == shape)
            out.append(m);
    return out;
}

// The study's lines without the notes on what each method cannot see.
QStringList Facts(const orvex::StudyPanel* panel) {
    QStringList facts;
    for (const QString& line : panel->plainText().split('\n'))
        if (line.startsWith(QStringLiteral("  ")) && !line.startsWith(QStringLiteral("  Не видно")))
            facts << line.trimmed();
    return facts;
}

void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class StudyPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void studiesTheChosenGraph() {
        MainWindowBench bench;
        orvex::StudyPanel* panel = bench.form().studyPanel();
        QVERIFY(!panel->isVisible()); // a user who does not ask for it never sees it
        QCOMPARE(panel->objectName(), QStringLiteral("StudyPanel"));
        QCOMPARE(panel->windowTitle(), QStringLiteral("Исследование функции"));
        for (const TGraphEntry& entry : {TGraphEntry{"(x^2+1)/(x-1)", 0x000000FF, true, 100, 1},
                                         TGraphEntry{"x^2-4", 0x00FF0000, true, 100, 1}})
            QVERIFY(bench.form().document().append(entry, QString::fromStdString(entry.Formula)));
        bench.apply();

        QTest::keyClick(&bench.form(), Qt::Key_F9, Qt::ControlModifier);
        QVERIFY(panel->isVisible());
        QVERIFY(bench.form().actions()["Study"]->isChecked());
        QCOMPARE(panel->note()->text(), QStringLiteral("Выберите график в списке графиков."));
        QVERIFY(panel->plainText().isEmpty());

        bench.chooseGraph(0);
        bench.waitForPicture();
        panel->waitForStudy();
        const QStringList facts = Facts(panel);
        QVERIFY2(panel->plainText().startsWith(
                     QStringLiteral("Исследование функции f(x) = (x^2+1)/(x-1), x ∈ [-5; 5]\n")),
                 qPrintable(panel->plainText()));
        for (const char* expected :
             {"x ∈ [-5; 1) ∪ (1; 5]", "Нет значения при x = 1", "С осью Oy: (0; -1)",
              "f(x) > 0 при x ∈ (1; 5]", "f′(x) = (2*x*(x-1)-(x^2+1))/(x-1)^2",
              "Минимумы (x; y): (2.41421356237; 4.82842712475)",
              "Вертикальные: x = 1 (слева f → −∞, справа f → +∞)",
              "При x → +∞: наклонная асимптота y = x + 1", "Снизу не ограничено (f → −∞)"})
            QVERIFY2(facts.contains(QString::fromUtf8(expected)), expected);

        // Over the picture: the vertical asymptote at x = 1 and rings at the y-intercept and the extrema.
        const auto mapping =
            orvex::PlotMapping(bench.image().picture().width(), bench.image().picture().height(),
                               orvex::ViewLimits{-5, 5, -5, 5});
        const QList<PlotMarker> lines = Shaped(bench, PlotMarker::Shape::VerticalLine);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].at.x(), mapping.column(1));
        QCOMPARE(Shaped(bench, PlotMarker::Shape::Ring).size(), 3);
        QVERIFY(bench.image().markers(orvex::OverlayLayer::SpecialPoints).isEmpty());

        // "Копировать" puts the whole study on the clipboard.
        QVERIFY(panel->copyButton()->isEnabled());
        QTest::mouseClick(panel->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), panel->plainText());

        // It follows the view: over 2..10 the pole is out of range.
        bench.setLimits(QStringLiteral("2 10 -5 5"));
        bench.apply();
        panel->waitForStudy();
        QVERIFY(panel->plainText().contains(QStringLiteral("x ∈ [2; 10]\n")));
        QVERIFY(Facts(panel).contains(QStringLiteral("Вертикальных асимптот на диапазоне нет.")));
        QVERIFY(Shaped(bench, PlotMarker::Shape::VerticalLine).isEmpty());
        QCOMPARE(panel->rangeFrom()->text(), QStringLiteral("2"));

        // ... and the choice in the list.
        bench.chooseGraph(1);
        panel->waitForStudy();
        QVERIFY(
            panel->plainText().startsWith(QStringLiteral("Исследование функции f(x) = x^2-4, x ∈ [2; 10]")));

        // A range of its own, typed in the panel, instead of the view's.
        QTest::mouseClick(panel->ownRange(), Qt::LeftButton);
        Type(panel->rangeFrom(), QStringLiteral("-3"));
        Type(panel->rangeTo(), QStringLiteral("3"));
        panel->waitForStudy();
        QVERIFY(Facts(panel).contains(QStringLiteral("С осью Ox (нули): x = -2; x = 2")));
        QVERIFY(Facts(panel).contains(QStringLiteral("Чётная: f(−x) = f(x) на [-3; 3]")));
        Type(panel->rangeTo(), QStringLiteral("-4"));
        QCOMPARE(panel->note()->text(), QStringLiteral("Диапазон: введите два числа, левое меньше правого."));
        QVERIFY(panel->plainText().isEmpty());

        // Ctrl+F9 again hides it, and its marks go with it.
        QTest::keyClick(&bench.form(), Qt::Key_F9, Qt::ControlModifier);
        QVERIFY(!panel->isVisible());
        QVERIFY(bench.image().markers(orvex::OverlayLayer::Study).isEmpty());
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(StudyPanelTest)
#include "StudyPanelTest.moc"
