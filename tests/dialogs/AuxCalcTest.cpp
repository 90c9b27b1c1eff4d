// The auxiliary-calculations dialog: tab memory, formula lists, the labels after each button, the error
// boxes, and the blocked windows after each way of closing.
#include "DialogTestSupport.h"
#include "NumberText.h"
#include "TOKRightDlg.h"

#include <QTabWidget>

class AuxCalcTest : public QObject, DialogBench<orvex::TOKRightDlg> {
    Q_OBJECT

  private slots:
    void init() {
        orvex::SetDecimalSeparator('.');
        renew();
    }

    // The planes tab comes first, then the last active one; both formula lists are refilled.
    void remembersTabAndRefillsFormulaLists() {
        auto* pages = find<QTabWidget>("PageControl1");
        dlg_->openWithFormulas({"x^2", "sin(x)", "ln(x)"});
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet5"));
        pages->setCurrentIndex(1);
        fill({"LabeledEdit4=7"});
        dlg_->close();
        dlg_->openWithFormulas({"2*x", "|x|"});
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet2"));
        QCOMPARE(find<QLineEdit>("LabeledEdit4")->text(), QString("7"));
        for (const char* name : {"Combo1", "Combo2"}) {
            auto* box = find<QComboBox>(name);
            QCOMPARE(box->count(), 2);
            QCOMPARE(box->itemText(1), QString("|x|"));
            QCOMPARE(box->currentText(), QString());
        }
    }

    // Each button writes its labels; an error keeps the reset text and shows the message in a box.
    void labelsAfterEachButton_data() {
        QTest::addColumn<QString>("input");      // "ObjectName=text" fields, then the button to click
        QTest::addColumn<QStringList>("labels"); // "ObjectName=text"
        QTest::addColumn<QStringList>("box");    // caption and text, or none
        const QString app = QApplication::applicationDisplayName();
        // A long integral (under a busy cursor); the step label follows the track bar.
        QTest::newRow("integral")
            << "Combo1=sin(x)*x^2 LabeledEdit8=0 LabeledEdit9=10 TrackBar1=20000 Button4"
            << QStringList{"Label1=Интеграл=190.986739445417", "Label3=20000"} << QStringList{};
        QTest::newRow("value") << "Combo2=x^2 Edit3=3 Button2" << QStringList{"Label8=y = 9"}
                               << QStringList{};
        QTest::newRow("line") << "LabeledEdit4=0 LabeledEdit5=1 LabeledEdit6=1 LabeledEdit7=3 Button3"
                              << QStringList{"Label16=Уравнение прямой: y = 2x+1"} << QStringList{};
        QTest::newRow("quadratic a<0") << "LabeledEdit1=-1 LabeledEdit2=2 LabeledEdit3=-5 Button1"
                                       << QStringList{"Label2=X1=1-2i", "Label5=X2=1+2i"} << QStringList{};
        QTest::newRow("quadratic a=0")
            << "LabeledEdit1=0 LabeledEdit2=2 LabeledEdit3=-5 Button1"
            << QStringList{"Label2=X1=", "Label5=X2="}
            << QStringList{"Неправильный ввод", "Коэффициент а не должен быть равен 0"};
        QTest::newRow("planes zero divisor")
            << "LabeledEdit10=1 LabeledEdit11=0 LabeledEdit12=0 LabeledEdit13=0 LabeledEdit14=0 "
               "LabeledEdit15=1 Button5"
            << QStringList{"Label10=Угол=pi/2; плоскости перпендикулярны"} << QStringList{};
        QTest::newRow("integral limit")
            << "Combo1=x LabeledEdit8=0,5 LabeledEdit9=1 Button4" << QStringList{"Label1=Интеграл="}
            << QStringList{app, "'0,5' is not a valid floating point value"};
    }

    void labelsAfterEachButton() {
        QFETCH(QString, input);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, box);
        dlg_->openWithFormulas({"x"});
        for (const QString& label : labels)
            find<QLabel>(label.section('=', 0, 0))->setText("old result");
        QStringList fields = input.split(' ');
        const QString button = fields.takeLast();
        fill(fields);
        QCOMPARE(clickThroughBox(button), box);
        for (const QString& label : labels)
            QCOMPARE(text(label.section('=', 0, 0)), label.section('=', 1));
        QCOMPARE(QApplication::overrideCursor(), nullptr); // the busy cursor is gone
        QVERIFY(dlg_->isVisible());
    }

    // The text typed is the formula computed: with x^2 in the list, typing x must not become x^2.
    void typedFormulaIsNotCompleted_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fields"); // "ObjectName=text" fields, then the button to click
        QTest::addColumn<QString>("result"); // "ObjectName=text"
        QTest::newRow("integral") << "Combo1"
                                  << "LabeledEdit8=0 LabeledEdit9=1 TrackBar1=10 Button4"
                                  << "Label1=Интеграл=0.45";
        QTest::newRow("value") << "Combo2"
                               << "Edit3=3 Button2"
                               << "Label8=y = 3";
    }
    void typedFormulaIsNotCompleted() {
        QFETCH(QString, box);
        QFETCH(QString, fields);
        QFETCH(QString, result);
        dlg_->openWithFormulas({"x^2", "x+1"});
        auto* formula = find<QComboBox>(box);
        find<QTabWidget>("PageControl1")->setCurrentWidget(formula->parentWidget());
        QVERIFY(QTest::qWaitForWindowActive(dlg_.get()));
        formula->setFocus(); // completion acts on typing into the focused box
        QTest::keyClicks(formula->lineEdit(), "x");
        QCOMPARE(formula->currentText(), QString("x"));
        QStringList input = fields.split(' ');
        const QString button = input.takeLast();
        fill(input);
        QCOMPARE(clickThroughBox(button), QStringList());
        QCOMPARE(text(result.section('=', 0, 0)), result.section('=', 1));
    }

    void everyWayOfClosingEnablesTheWindows() {
        checkClosing([this] { dlg_->openWithFormulas({"x"}); }, {"close", "escape", "hide"});
    }
};

QTEST_MAIN(AuxCalcTest)
#include "AuxCalcTest.moc"
