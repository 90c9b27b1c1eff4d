#include "TOKRightDlg.h"

#include "Calculators.h"
#include "Cp1251.h"
#include "MessageReport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include <exception>
#include <string>

namespace orvex {

namespace {

// The busy cursor for the length of a calculation, restored however the calculation ends.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

std::string FieldText(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// The evaluator takes single-byte Windows-1251 formula text.
std::string FormulaText(const QComboBox* box) {
    return Utf8ToCp1251(box->currentText().toStdString());
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetLabel(QLabel* label, std::string_view text) {
    label->setText(FromUtf8(text));
}

} // namespace

TOKRightDlg::TOKRightDlg() {
    setObjectName("OKRightDlg");
    setWindowTitle("Вспомогательные вычисления");
    form_ = BuildAuxCalcForm(*this);
    form_.pageControl1->setCurrentIndex(4);
    setFixedSize(QSize(312, 237).expandedTo(sizeHint()));

    connect(form_.trackBar1, &QSlider::valueChanged, this, &TOKRightDlg::trackBar1Change);
    connect(form_.button4, &QPushButton::clicked, this, &TOKRightDlg::button4Click);
    connect(form_.button2, &QPushButton::clicked, this, &TOKRightDlg::button2Click);
    connect(form_.button3, &QPushButton::clicked, this, &TOKRightDlg::button3Click);
    connect(form_.button1, &QPushButton::clicked, this, &TOKRightDlg::button1Click);
    connect(form_.button5, &QPushButton::clicked, this, &TOKRightDlg::button5Click);
}

void TOKRightDlg::openWithFormulas(const QStringList& formulas) {
    openOver([this, &formulas] {
        for (QComboBox* box : {form_.combo1, form_.combo2}) {
            box->clear();
            box->addItems(formulas);
            box->setCurrentIndex(-1); // nothing picked: the user picks a formula or types one
            box->clearEditText();
        }
        trackBar1Change(form_.trackBar1->value());
    });
}

void TOKRightDlg::trackBar1Change(int position) {
    form_.label3->setText(QString::number(position));
}

void TOKRightDlg::button4Click() {
    SetLabel(form_.label1, calc::kIntegralReset);
    guarded([this] {
        std::string label;
        {
            const BusyCursor busy;
            label = CalculateIntegral(FormulaText(form_.combo1), FieldText(form_.labeledEdit8),
                                      FieldText(form_.labeledEdit9), form_.trackBar1->value());
        }
        SetLabel(form_.label1, label);
    });
}

void TOKRightDlg::button2Click() {
    SetLabel(form_.label8, calc::kValueReset);
    guarded([this] {
        SetLabel(form_.label8, CalculateValue(FormulaText(form_.combo2), FieldText(form_.edit3)));
    });
}

void TOKRightDlg::button3Click() {
    SetLabel(form_.label16, calc::kLineReset);
    guarded([this] {
        SetLabel(form_.label16, CalculateLine(FieldText(form_.labeledEdit4), FieldText(form_.labeledEdit5),
                                              FieldText(form_.labeledEdit6), FieldText(form_.labeledEdit7)));
    });
}

void TOKRightDlg::button1Click() {
    SetLabel(form_.label2, calc::kRoot1Reset);
    SetLabel(form_.label5, calc::kRoot2Reset);
    guarded([this] {
        const QuadraticRoots roots = SolveQuadratic(
            FieldText(form_.labeledEdit1), FieldText(form_.labeledEdit2), FieldText(form_.labeledEdit3));
        if (roots.zeroA) {
            QMessageBox box(QMessageBox::NoIcon, FromUtf8(calc::kZeroACaption), FromUtf8(calc::kZeroAMessage),
                            QMessageBox::Ok, this);
            box.exec();
            return;
        }
        SetLabel(form_.label2, roots.x1);
        SetLabel(form_.label5, roots.x2);
    });
}

void TOKRightDlg::button5Click() {
    form_.label10->clear();
    guarded([this] {
        const auto& e = form_.planeEdits;
        const std::string t[6] = {FieldText(e[0]), FieldText(e[1]), FieldText(e[2]),
                                  FieldText(e[3]), FieldText(e[4]), FieldText(e[5])};
        SetLabel(form_.label10, CalculatePlanesAngle({t[0], t[1], t[2]}, {t[3], t[4], t[5]}));
    });
}

void TOKRightDlg::guarded(const std::function<void()>& calculation) {
    QString message;
    try {
        calculation();
        return;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    ShowError(this, message);
}

} // namespace orvex
