#include "ParamsForm.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace orvex {

namespace {

// The labels are numbered TBXLabel1.. in the order they are made.
class LabelMaker {
  public:
    QLabel* operator()(const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(QStringLiteral("TBXLabel%1").arg(++count_));
        return label;
    }

  private:
    int count_ = 0;
};

QLineEdit* MakeEdit(const QString& name, const QString& hint = QString()) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setToolTip(hint);
    edit->setFixedWidth(64); // numbers of a few characters
    return edit;
}

QPushButton* MakeButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false); // Return in a field must not write the settings
    return button;
}

} // namespace

ParamsForm BuildParamsForm(QDialog& dialog) {
    ParamsForm f;
    LabelMaker label;
    auto* layout = new QVBoxLayout(&dialog);

    QLabel* note = label("Эти настройки будут автоматически использоваться при каждом запуске программы.");
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    auto* limits = new QHBoxLayout;
    f.exmin2 = MakeEdit("Exmin2", "X-минимум");
    f.exmax2 = MakeEdit("Exmax2", "X-максимум");
    f.eymin2 = MakeEdit("Eymin2", "Y-минимум");
    f.eymax2 = MakeEdit("Eymax2", "Y-максимум");
    grid->addWidget(label("Пределы построения:"), 0, 0);
    limits->addWidget(label("Ось OX"));
    limits->addWidget(f.exmin2);
    limits->addWidget(f.exmax2);
    limits->addWidget(label("Ось OY"));
    limits->addWidget(f.eymin2);
    limits->addWidget(f.eymax2);
    limits->addStretch(1);
    grid->addLayout(limits, 0, 1);

    f.evert = MakeEdit("Evert");
    grid->addWidget(label("Количество вертикальных линий сетки:"), 1, 0);
    grid->addWidget(f.evert, 1, 1, Qt::AlignLeft);
    f.egoriz = MakeEdit("Egoriz");
    grid->addWidget(label("Количество горизонтальных линий сетки:"), 2, 0);
    grid->addWidget(f.egoriz, 2, 1, Qt::AlignLeft);

    f.trackBar1 = new QSlider(Qt::Horizontal);
    f.trackBar1->setObjectName("TrackBar1");
    f.trackBar1->setRange(1, 200);
    f.trackBar1->setTickPosition(QSlider::TicksBelow);
    f.trackBar1->setTickInterval(5);
    auto* position = new QLabel; // the quality as a number, beside the track bar
    QObject::connect(f.trackBar1, &QSlider::valueChanged, position,
                     [position](int value) { position->setNum(value); });
    auto* quality = new QHBoxLayout;
    quality->addWidget(f.trackBar1, 1);
    quality->addWidget(position);
    grid->addWidget(label("Качество построения графиков:"), 3, 0);
    grid->addLayout(quality, 3, 1);

    QLabel* hintCaption = label("Время появления всплывающей подсказки над элементами интерфейса (мс):");
    hintCaption->setWordWrap(true);
    f.etime = MakeEdit("Etime");
    grid->addWidget(hintCaption, 4, 0);
    grid->addWidget(f.etime, 4, 1, Qt::AlignLeft);

    f.comboBox2 = new QComboBox;
    f.comboBox2->setObjectName("ComboBox2");
    f.comboBox2->setEditable(true);
    f.comboBox2->setInsertPolicy(QComboBox::NoInsert);
    f.comboBox2->addItems({"Default", "OfficeXP", "Stripes"});
    grid->addWidget(label("Тема по умолчанию:"), 5, 0);
    grid->addWidget(f.comboBox2, 5, 1, Qt::AlignLeft);

    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    f.apply = MakeButton("Apply", "Применить и закрыть");
    f.notApply = MakeButton("NotApply", "Закрыть не сохраняя");
    buttons->addWidget(f.apply);
    buttons->addWidget(f.notApply);
    layout->addLayout(buttons);
    return f;
}

} // namespace orvex
