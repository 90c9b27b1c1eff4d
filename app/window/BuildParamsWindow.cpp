#include "BuildParamsWindow.h"

#include "ColorBox.h"

#include <QAction>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace orvex {

namespace {
constexpr QSize kDesignSize{161, 177};
constexpr std::uint32_t kSilver = 0x00C0C0C0;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
} // namespace

BuildParamsWindow::BuildParamsWindow() : QWidget(nullptr, Qt::Tool) {
    setObjectName(QStringLiteral("TBXTW"));
    setWindowTitle(QStringLiteral("Параметры построения"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // Hints show while the main window is the active one, as they would in a child window of it.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    exmin_ = addField("Exmin", "-5", "X-минимум");
    exmax_ = addField("Exmax", "5", "X-максимум");
    eymin_ = addField("Eymin", "-5", "Y-минимум");
    eymax_ = addField("Eymax", "5", "Y-максимум");
    edit1_ = addField("Edit1", "10", "Количество вертикальных линий сетки");
    edit2_ = addField("Edit2", "10", "Количество горизонтальных линий сетки");

    colB1_ = new ColorBox(false, this);
    colB1_->setObjectName(QStringLiteral("ColB1"));
    colB1_->setToolTip(QStringLiteral("Цвет сетки"));
    colB1_->setSelectedValue(kSilver);
    colB2_ = new ColorBox(false, this);
    colB2_->setObjectName(QStringLiteral("ColB2"));
    colB2_->setToolTip(QStringLiteral("Цвет фона"));
    colB2_->setSelectedValue(kWhite);

    bApply_ = new QPushButton(QStringLiteral("Применить"), this);
    bApply_->setObjectName(QStringLiteral("BApply"));

    auto* axisX = new QLabel(QStringLiteral("Ось OX"), this);
    auto* axisY = new QLabel(QStringLiteral("Ось OY"), this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);
    grid->addWidget(axisX, 0, 0);
    grid->addWidget(exmin_, 0, 1);
    grid->addWidget(exmax_, 0, 2);
    grid->addWidget(axisY, 1, 0);
    grid->addWidget(eymin_, 1, 1);
    grid->addWidget(eymax_, 1, 2);
    grid->addWidget(edit1_, 2, 1);
    grid->addWidget(edit2_, 2, 2);
    grid->addWidget(colB1_, 3, 0, 1, 3);
    grid->addWidget(colB2_, 4, 0, 1, 3);
    grid->addWidget(bApply_, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    // Fixed size: the design size, or what the fonts in use need when that is larger.
    setFixedSize(grid->totalMinimumSize().expandedTo(kDesignSize));

    toggle_ = new QAction(windowTitle(), this);
    toggle_->setCheckable(true);
    connect(toggle_, &QAction::toggled, this, &QWidget::setVisible);
}

QLineEdit* BuildParamsWindow::addField(const char* name, const char* text, const char* hint) {
    auto* edit = new QLineEdit(QString::fromUtf8(text), this);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setToolTip(QString::fromUtf8(hint));
    edit->setMinimumWidth(30);
    return edit;
}

void BuildParamsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    toggle_->setChecked(true);
}

void BuildParamsWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        toggle_->setChecked(false);
}

} // namespace orvex
