// The auxiliary-calculations dialog: tabs, formula lists, labels after each button, error boxes and the
// blocked windows.
#include "NumberText.h"
#include "TOKRightDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using orvex::TOKRightDlg;

namespace {

// Closes the next message box that opens and records its caption and text.
struct BoxWatcher {
    QString title;
    QString text;
    bool seen = false;

    void arm() {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            title = box->windowTitle();
            text = box->text();
            seen = true;
            box->accept();
            timer->deleteLater();
        });
        timer->start();
    }
};

} // namespace

class AuxCalcTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hasNoParentAndBlocksBothWindows();
    void showsPlanesTabFirstThenTheLastActiveOne();
    void refillsBothFormulaListsAtEveryOpening();
    void stepsLabelFollowsTheTrackBar();
    void labelsAfterEachButton_data();
    void labelsAfterEachButton();
    void errorsGoToAnErrorBoxAndKeepTheResetText_data();
    void errorsGoToAnErrorBoxAndKeepTheResetText();
    void zeroAShowsItsOwnMessageBox();
    void busyCursorIsRestored();
    void everyWayOfClosingEnablesTheWindows_data();
    void everyWayOfClosingEnablesTheWindows();

  private:
    template <typename T> T* find(const char* name) {
        auto* child = dlg_->findChild<T*>(name);
        if (child == nullptr)
            qFatal("no control %s", name);
        return child;
    }
    void fill(const QStringList& fields, const QStringList& values);

    QWidget* mainWindow_ = nullptr;
    QWidget* buildWindow_ = nullptr;
    TOKRightDlg* dlg_ = nullptr;
};

void AuxCalcTest::initTestCase() {
    orvex::SetDecimalSeparator('.');
}

void AuxCalcTest::init() {
    mainWindow_ = new QWidget;
    buildWindow_ = new QWidget;
    mainWindow_->show();
    buildWindow_->show();
    dlg_ = new TOKRightDlg;
    dlg_->setBlockedWindows({mainWindow_, buildWindow_});
}

void AuxCalcTest::cleanup() {
    delete dlg_;
    delete buildWindow_;
    delete mainWindow_;
    orvex::SetDecimalSeparator('.');
}

void AuxCalcTest::fill(const QStringList& fields, const QStringList& values) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QWidget* w = dlg_->findChild<QWidget*>(fields[i]);
        QVERIFY2(w != nullptr, qPrintable(fields[i]));
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setText(values[i]);
        else if (auto* box = qobject_cast<QComboBox*>(w))
            box->setEditText(values[i]);
        else if (auto* slider = qobject_cast<QSlider*>(w))
            slider->setValue(values[i].toInt());
    }
}

void AuxCalcTest::hasNoParentAndBlocksBothWindows() {
    QCOMPARE(dlg_->parentWidget(), nullptr);
    QCOMPARE(dlg_->objectName(), QString("OKRightDlg"));
    QCOMPARE(dlg_->windowTitle(), QString("Вспомогательные вычисления"));
    dlg_->openWithFormulas({});
    QVERIFY(dlg_->isVisible());
    QVERIFY(!dlg_->isModal());
    QVERIFY(!mainWindow_->isEnabled());
    QVERIFY(!buildWindow_->isEnabled());
}

void AuxCalcTest::showsPlanesTabFirstThenTheLastActiveOne() {
    auto* pages = find<QTabWidget>("PageControl1");
    dlg_->openWithFormulas({});
    QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet5"));
    pages->setCurrentIndex(1);
    find<QLineEdit>("LabeledEdit4")->setText("7");
    dlg_->close();
    dlg_->openWithFormulas({});
    QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet2"));
    QCOMPARE(find<QLineEdit>("LabeledEdit4")->text(), QString("7"));
}

void AuxCalcTest::refillsBothFormulaListsAtEveryOpening() {
    dlg_->openWithFormulas({"x^2", "sin(x)", "ln(x)"});
    dlg_->close();
    dlg_->openWithFormulas({"2*x", "|x|"});
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* box = find<QComboBox>(name);
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QString("2*x"));
        QCOMPARE(box->itemText(1), QString("|x|"));
        QCOMPARE(box->currentText(), QString());
    }
    dlg_->close();
    dlg_->openWithFormulas({});
    QCOMPARE(find<QComboBox>("Combo1")->count(), 0);
}

void AuxCalcTest::stepsLabelFollowsTheTrackBar() {
    auto* bar = find<QSlider>("TrackBar1");
    QCOMPARE(bar->minimum(), 10);
    QCOMPARE(bar->maximum(), 20000);
    QCOMPARE(bar->value(), 100);
    dlg_->openWithFormulas({});
    QCOMPARE(find<QLabel>("Label3")->text(), QString("100"));
    bar->setValue(12345);
    QCOMPARE(find<QLabel>("Label3")->text(), QString("12345"));
}

void AuxCalcTest::labelsAfterEachButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("texts");

    const QStringList integral{"Combo1", "LabeledEdit8", "LabeledEdit9", "TrackBar1"};
    QTest::newRow("integral") << "Button4" << integral << QStringList{"x", "0", "1", "10"}
                              << QStringList{"Label1"} << QStringList{"Интеграл=0.45"};
    // A Cyrillic letter (here the one that looks like x) is no formula character.
    QTest::newRow("integral cyrillic")
        << "Button4" << integral << QStringList{"х", "0", "1", "10"} << QStringList{"Label1"}
        << QStringList{"Интеграл=Невозможно вычислить"};
    const QStringList value{"Combo2", "Edit3"};
    QTest::newRow("value") << "Button2" << value << QStringList{"x^2", "3"} << QStringList{"Label8"}
                           << QStringList{"y = 9"};
    const QStringList line{"LabeledEdit4", "LabeledEdit5", "LabeledEdit6", "LabeledEdit7"};
    QTest::newRow("line") << "Button3" << line << QStringList{"0", "1", "1", "3"} << QStringList{"Label16"}
                          << QStringList{"Уравнение прямой: y = 2x+1"};
    const QStringList quad{"LabeledEdit1", "LabeledEdit2", "LabeledEdit3"};
    const QStringList roots{"Label2", "Label5"};
    QTest::newRow("quadratic a<0") << "Button1" << quad << QStringList{"-1", "2", "-5"} << roots
                                   << QStringList{"X1=1-2i", "X2=1+2i"};
    const QStringList planes{"LabeledEdit10", "LabeledEdit11", "LabeledEdit12",
                             "LabeledEdit13", "LabeledEdit14", "LabeledEdit15"};
    QTest::newRow("planes zero divisor")
        << "Button5" << planes << QStringList{"1", "0", "0", "0", "0", "1"} << QStringList{"Label10"}
        << QStringList{"Угол=pi/2; плоскости перпендикулярны"};
}

void AuxCalcTest::labelsAfterEachButton() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, values);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, texts);
    dlg_->openWithFormulas({"x"});
    fill(fields, values);
    QTest::mouseClick(dlg_->findChild<QPushButton*>(button), Qt::LeftButton);
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(dlg_->findChild<QLabel*>(labels[i])->text(), texts[i]);
}

void AuxCalcTest::errorsGoToAnErrorBoxAndKeepTheResetText_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("resetText");
    QTest::addColumn<QString>("message");

    QTest::newRow("integral limit") << "Button4" << QStringList{"Combo1", "LabeledEdit8", "LabeledEdit9"}
                                    << QStringList{"x", "0,5", "1"} << "Label1"
                                    << "Интеграл="
                                    << "'0,5' is not a valid floating point value";
    QTest::newRow("overflow") << "Button2" << QStringList{"Combo2", "Edit3"} << QStringList{"sh(x)", "20000"}
                              << "Label8"
                              << "y ="
                              << "Floating point overflow";
    QTest::newRow("planes") << "Button5" << QStringList{"LabeledEdit10"} << QStringList{"a"} << "Label10"
                            << ""
                            << "'a' is not a valid floating point value";
}

void AuxCalcTest::errorsGoToAnErrorBoxAndKeepTheResetText() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, values);
    QFETCH(QString, label);
    QFETCH(QString, resetText);
    QFETCH(QString, message);
    dlg_->openWithFormulas({});
    auto* result = dlg_->findChild<QLabel*>(label);
    result->setText("old result");
    fill(fields, values);
    BoxWatcher watcher;
    watcher.arm();
    QTest::mouseClick(dlg_->findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(watcher.seen);
    QCOMPARE(watcher.text, message);
    QCOMPARE(result->text(), resetText);
    QVERIFY(dlg_->isVisible());
}

void AuxCalcTest::zeroAShowsItsOwnMessageBox() {
    dlg_->openWithFormulas({});
    fill({"LabeledEdit1", "LabeledEdit2", "LabeledEdit3"}, {"0", "1", "1"});
    BoxWatcher watcher;
    watcher.arm();
    QTest::mouseClick(find<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(watcher.seen);
    QCOMPARE(watcher.title, QString("Неправильный ввод"));
    QCOMPARE(watcher.text, QString("Коэффициент а не должен быть равен 0"));
    QCOMPARE(find<QLabel>("Label2")->text(), QString("X1="));
    QCOMPARE(find<QLabel>("Label5")->text(), QString("X2="));
}

void AuxCalcTest::busyCursorIsRestored() {
    dlg_->openWithFormulas({});
    fill({"Combo1", "LabeledEdit8", "LabeledEdit9", "TrackBar1"}, {"sin(x)*x^2", "0", "10", "20000"});
    QTest::mouseClick(find<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(find<QLabel>("Label1")->text().startsWith("Интеграл=") &&
            find<QLabel>("Label1")->text().size() > 9);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    fill({"Combo1", "LabeledEdit8", "LabeledEdit9"}, {"sh(x)", "20000", "20001"});
    BoxWatcher watcher;
    watcher.arm();
    QTest::mouseClick(find<QPushButton>("Button4"), Qt::LeftButton);
    QVERIFY(watcher.seen);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void AuxCalcTest::everyWayOfClosingEnablesTheWindows_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("close button") << 0;
    QTest::newRow("escape") << 1;
    QTest::newRow("hide") << 2;
}

void AuxCalcTest::everyWayOfClosingEnablesTheWindows() {
    QFETCH(int, way);
    dlg_->openWithFormulas({"x"});
    QVERIFY(!mainWindow_->isEnabled());
    if (way == 0)
        dlg_->close();
    else if (way == 1)
        QTest::keyClick(dlg_, Qt::Key_Escape);
    else
        dlg_->hide();
    QVERIFY(!dlg_->isVisible());
    QVERIFY(mainWindow_->isEnabled());
    QVERIFY(buildWindow_->isEnabled());
}

QTEST_MAIN(AuxCalcTest)
#include "AuxCalcTest.moc"
