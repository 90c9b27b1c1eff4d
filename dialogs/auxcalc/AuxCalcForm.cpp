#include "AuxCalcForm.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvex {

namespace {

constexpr const char* kFormulaHint = "Введите или выберите из списка функцию";

QLabel* MakeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A text field with its caption label to the left, in two cells of `grid`.
QLineEdit* AddLabeledEdit(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                          const QString& hint) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setToolTip(hint);
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QComboBox* MakeFormulaBox(const QString& name) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The text typed is the formula computed: an editable box would otherwise complete "x" to a listed
    // "x^2" as it is typed.
    box->setCompleter(nullptr);
    box->setToolTip(kFormulaHint);
    return box;
}

QPushButton* MakeButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false); // Return in a field computes nothing on a hidden tab
    return button;
}

// A new tab page and the grid that lays it out.
QGridLayout* AddTab(QTabWidget* pages, const QString& name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(name);
    pages->addTab(page, caption);
    return new QGridLayout(page);
}

void BuildIntegralTab(QTabWidget* pages, AuxCalcForm& f) {
    QGridLayout* grid = AddTab(pages, "TabSheet1", "Вычисление определенного интеграла");
    f.combo1 = MakeFormulaBox("Combo1");
    grid->addWidget(f.combo1, 0, 0, 1, 4);
    f.labeledEdit8 = AddLabeledEdit(grid, 1, 0, "LabeledEdit8", "x1:", "Нижний предел интегрирования");
    f.labeledEdit9 = AddLabeledEdit(grid, 1, 2, "LabeledEdit9", "x2:", "Верхний предел интегрирования");
    grid->addWidget(MakeLabel("Label4", "Количество шагов:"), 2, 0, 1, 2);
    f.label3 = MakeLabel("Label3", "100");
    grid->addWidget(f.label3, 2, 2, 1, 2);
    f.trackBar1 = new QSlider(Qt::Horizontal);
    f.trackBar1->setObjectName("TrackBar1");
    f.trackBar1->setRange(10, 20000);
    f.trackBar1->setValue(100);
    f.trackBar1->setTickPosition(QSlider::TicksBelow);
    f.trackBar1->setTickInterval(1000);
    f.trackBar1->setPageStep(100);
    grid->addWidget(f.trackBar1, 3, 0, 1, 4);
    f.button4 = MakeButton("Button4", "Вычислить");
    grid->addWidget(f.button4, 4, 0, 1, 2);
    f.label1 = MakeLabel("Label1", "Интеграл =");
    grid->addWidget(f.label1, 4, 2, 1, 2);
    grid->setRowStretch(5, 1);
}

void BuildLineTab(QTabWidget* pages, AuxCalcForm& f) {
    QGridLayout* grid = AddTab(pages, "TabSheet2", "Уравнение прямой по двум точкам");
    f.labeledEdit4 = AddLabeledEdit(grid, 0, 0, "LabeledEdit4", "x1:", "Координата x первой точки");
    f.labeledEdit5 = AddLabeledEdit(grid, 0, 2, "LabeledEdit5", "y1:", "Координата y первой точки");
    f.labeledEdit6 = AddLabeledEdit(grid, 1, 0, "LabeledEdit6", "x2:", "Координата x второй точки");
    f.labeledEdit7 = AddLabeledEdit(grid, 1, 2, "LabeledEdit7", "y2:", "Координата y второй точки");
    f.button3 = MakeButton("Button3", "Получить уравнение прямой");
    grid->addWidget(f.button3, 2, 0, 1, 4);
    f.label16 = MakeLabel("Label16", "Уравнение прямой:");
    f.label16->setWordWrap(true);
    grid->addWidget(f.label16, 3, 0, 1, 4);
    grid->setRowStretch(4, 1);
}

void BuildValueTab(QTabWidget* pages, AuxCalcForm& f) {
    QGridLayout* grid = AddTab(pages, "TabSheet3", "Вычисление значения функции");
    f.combo2 = MakeFormulaBox("Combo2");
    grid->addWidget(f.combo2, 0, 0, 1, 2);
    f.edit3 = new QLineEdit;
    f.edit3->setObjectName("Edit3");
    f.edit3->setToolTip("Введите значение аргумента функции");
    auto* caption = MakeLabel("Label7", "x =");
    caption->setBuddy(f.edit3);
    grid->addWidget(caption, 1, 0, Qt::AlignRight);
    grid->addWidget(f.edit3, 1, 1);
    f.button2 = MakeButton("Button2", "Вычислить");
    grid->addWidget(f.button2, 2, 0, 1, 2);
    f.label8 = MakeLabel("Label8", "y =");
    grid->addWidget(f.label8, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

void BuildQuadraticTab(QTabWidget* pages, AuxCalcForm& f) {
    QGridLayout* grid = AddTab(pages, "TabSheet4", "Решение квадратных уравнений");
    f.labeledEdit1 = AddLabeledEdit(grid, 0, 0, "LabeledEdit1", "a", "Коэффициент a");
    f.labeledEdit2 = AddLabeledEdit(grid, 0, 2, "LabeledEdit2", "b", "Коэффициент b");
    f.labeledEdit3 = AddLabeledEdit(grid, 0, 4, "LabeledEdit3", "c", "Коэффициент с");
    f.button1 = MakeButton("Button1", "Решить");
    grid->addWidget(f.button1, 1, 0, 1, 6);
    f.label2 = MakeLabel("Label2", "X1=");
    grid->addWidget(f.label2, 2, 0, 1, 6);
    f.label5 = MakeLabel("Label5", "X2=");
    grid->addWidget(f.label5, 3, 0, 1, 6);
    grid->setRowStretch(4, 1);
}

void BuildPlanesTab(QTabWidget* pages, AuxCalcForm& f) {
    QGridLayout* grid = AddTab(pages, "TabSheet5", "Нахождение угла между плоскостями");
    const char* captions[] = {"A1", "B1", "C1", "A2", "B2", "C2"};
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("LabeledEdit%1").arg(10 + i);
        auto* edit = AddLabeledEdit(grid, i / 3, (i % 3) * 2, name, captions[i], QString());
        edit->setMaximumWidth(50);
        f.planeEdits[static_cast<std::size_t>(i)] = edit;
    }
    grid->addWidget(MakeLabel("Label6", "A1x+B1y+C1z+D1 = 0"), 0, 6);
    grid->addWidget(MakeLabel("Label9", "A2x+B2y+C2z+D2 = 0"), 1, 6);
    f.button5 = MakeButton("Button5", "Найти угол");
    grid->addWidget(f.button5, 2, 0, 1, 7);
    f.label10 = MakeLabel("Label10", QString());
    f.label10->setWordWrap(true);
    grid->addWidget(f.label10, 3, 0, 1, 7);
    grid->setRowStretch(4, 1);
}

} // namespace

AuxCalcForm BuildAuxCalcForm(QDialog& dialog) {
    AuxCalcForm form;
    form.pageControl1 = new QTabWidget;
    form.pageControl1->setObjectName("PageControl1");
    form.pageControl1->setUsesScrollButtons(true);
    BuildIntegralTab(form.pageControl1, form);
    BuildLineTab(form.pageControl1, form);
    BuildValueTab(form.pageControl1, form);
    BuildQuadraticTab(form.pageControl1, form);
    BuildPlanesTab(form.pageControl1, form);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form.pageControl1);
    return form;
}

} // namespace orvex
