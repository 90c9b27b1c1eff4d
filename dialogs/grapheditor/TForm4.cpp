#include "TForm4.h"

#include "ColorBox.h"
#include "Cp1251.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace orvex {

namespace {

constexpr int kClientWidth = 410;
constexpr int kClientHeight = 210;

const char* const kNote =
    "Поддерживаемые функции для построения: sin, cos, tg, ctg, sec, csec, arcsin, arccos, sh, "
    "ch, tgh, ash, ach, arctg, arcctg, abs, ln, lg, sqrt. Поддерживаемые функции для "
    "дифференцирования: sin, cos, tg, ctg, arcsin, arccos, arctg, arcctg, sh, ch, abs, ln.  ";

QLabel* makeLabel(const char* text, const char* name, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TForm4::TForm4(QWidget* parent) : NonModalDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    layOut();
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm4::CheckBox1Click);
    CheckBox1Click();
}

void TForm4::createControls() {
    Label1 = makeLabel("f(x)=", "Label1", this);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big(QStringLiteral("Palatino Linotype"));
    big.setStyleHint(QFont::Serif);
    big.setPixelSize(19);
    big.setBold(true);
    big.setItalic(true);
    Label1->setFont(big);
    QPalette maroon = Label1->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    Label1->setPalette(maroon);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(std::numeric_limits<int>::max()); // the record keeps the first 50 characters
    Label1->setBuddy(Edit1);

    Label2 = makeLabel("Цвет графика:", "Label2", this);
    ColorBox1 = new ColorBox(true, this);
    ColorBox1->setObjectName(QStringLiteral("ColorBox1"));

    Label3 = makeLabel("Качество построения:", "Label3", this);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, 200);
    TrackBar1->setTickInterval(5);
    TrackBar1->setTickPosition(QSlider::TicksBelow);

    Label4 = makeLabel("Толщина линии:", "Label4", this);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());

    CheckBox1 = new QCheckBox(QString::fromUtf8("Строить линиями"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    Button1 = new QPushButton(QString::fromUtf8("Построить график"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(265, 65);

    Label5 = makeLabel(kNote, "Label5", this);
    Label5->setWordWrap(true);

    setTabOrder(Edit1, ColorBox1);
    setTabOrder(ColorBox1, TrackBar1);
    setTabOrder(TrackBar1, CheckBox1);
    setTabOrder(CheckBox1, Button1);
    setTabOrder(Button1, SpinEdit1);
}

void TForm4::layOut() {
    auto* formulaRow = new QHBoxLayout;
    formulaRow->addWidget(Label1);
    formulaRow->addWidget(Edit1, 1);

    // Colour and quality side by side, each under its label.
    auto* pickGrid = new QGridLayout;
    pickGrid->setVerticalSpacing(1);
    pickGrid->addWidget(Label2, 0, 0);
    pickGrid->addWidget(ColorBox1, 1, 0);
    pickGrid->addWidget(Label3, 0, 1);
    pickGrid->addWidget(TrackBar1, 1, 1);
    pickGrid->setColumnStretch(0, 1);
    pickGrid->setColumnStretch(1, 1);

    // The width field with the lines box below it, left of the confirm button.
    auto* leftBlock = new QVBoxLayout;
    leftBlock->setSpacing(1);
    leftBlock->addWidget(Label4);
    leftBlock->addWidget(SpinEdit1);
    leftBlock->addSpacing(3);
    leftBlock->addWidget(CheckBox1);
    auto* confirmRow = new QHBoxLayout;
    confirmRow->setSpacing(4);
    confirmRow->addLayout(leftBlock, 1);
    confirmRow->addWidget(Button1, 0, Qt::AlignBottom);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    page->addLayout(formulaRow);
    page->addLayout(pickGrid);
    page->addLayout(confirmRow);
    page->addWidget(Label5, 1);

    // The client area is 410 x 210 unless the fonts in force need more. The note wraps, so the height
    // it needs depends on the width: fix the width first.
    const int width = std::max(kClientWidth, page->totalMinimumSize().width());
    const int height = std::max(kClientHeight, page->totalHeightForWidth(width));
    setFixedSize(width, height);
}

void TForm4::fill(const GraphEditorFields& fields) {
    setWindowTitle(fields.caption);
    Label1->setText(fields.formulaLabel);
    Edit1->setText(fields.formula);
    ColorBox1->setSelectedValue(fields.color);
    TrackBar1->setValue(fields.quality);
    SpinEdit1->setValue(fields.lineWidth);
    CheckBox1->setChecked(fields.drawLines);
    CheckBox1Click(); // runs whether or not the box changed
}

int TForm4::lineWidth() const {
    // A text that is not an integer (empty, a lone sign) counts as 0.
    return SpinEdit1->hasAcceptableInput() ? SpinEdit1->value() : 0;
}

TGraphEntry TForm4::entry() const {
    TGraphEntry e;
    e.Formula = CutFormula(Utf8ToCp1251(Edit1->text().toStdString()));
    e.Color = ColorBox1->selectedValue();
    e.DrawLines = CheckBox1->isChecked();
    e.Quality = TrackBar1->value();
    e.LineWidth = lineWidth();
    return e;
}

void TForm4::Button1Click() {
    const QString typed = Edit1->text();
    if (typed.isEmpty())
        return;
    emit graphConfirmed(entry(), typed);
    close();
    emit redrawRequested();
}

void TForm4::CheckBox1Click() {
    SpinEdit1->setEnabled(CheckBox1->isChecked());
}

} // namespace orvex
