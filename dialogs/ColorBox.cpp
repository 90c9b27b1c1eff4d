#include "ColorBox.h"

#include "Renderer.h"

#include <QPixmap>
#include <QWheelEvent>

namespace orvex {

namespace {

struct NamedColour {
    const char* name;
    std::uint32_t value;
};

// Values are 0x00BBGGRR.
constexpr NamedColour kStandard[] = {
    {"Чёрный", 0x000000},       {"Тёмно-красный", 0x000080}, {"Зелёный", 0x008000},
    {"Оливковый", 0x008080},    {"Тёмно-синий", 0x800000},   {"Пурпурный", 0x800080},
    {"Сине-зелёный", 0x808000}, {"Серый", 0x808080},         {"Серебристый", 0xC0C0C0},
    {"Красный", 0x0000FF},      {"Лайм", 0x00FF00},          {"Жёлтый", 0x00FFFF},
    {"Синий", 0xFF0000},        {"Фуксия", 0xFF00FF},        {"Голубой", 0xFFFF00},
    {"Белый", 0xFFFFFF},
};

constexpr NamedColour kExtended[] = {
    {"Мятный", 0xC0DCC0},
    {"Небесный", 0xF0CAA6},
    {"Кремовый", 0xF0FBFF},
    {"Средне-серый", 0xA4A0A0},
};

constexpr std::uint32_t kSystem = 0x80000000u;
constexpr NamedColour kSystemColours[] = {
    {"Фон рабочего стола", kSystem | 1},
    {"Заголовок окна", kSystem | 2},
    {"Меню", kSystem | 4},
    {"Окно", kSystem | 5},
    {"Текст меню", kSystem | 7},
    {"Текст окна", kSystem | 8},
    {"Выделение", kSystem | 13},
    {"Текст выделения", kSystem | 14},
    {"Поверхность кнопки", kSystem | 15},
    {"Тень кнопки", kSystem | 16},
    {"Недоступный текст", kSystem | 17},
    {"Текст кнопки", kSystem | 18},
    {"Подсказка", kSystem | 24},
    {"Текст подсказки", kSystem | 23},
};

} // namespace

ColorBox::ColorBox(bool withSystemColours, QWidget* parent) : QComboBox(parent) {
    for (const auto& c : kStandard)
        addColour(QString::fromUtf8(c.name), c.value);
    for (const auto& c : kExtended)
        addColour(QString::fromUtf8(c.name), c.value);
    if (withSystemColours)
        for (const auto& c : kSystemColours)
            addColour(QString::fromUtf8(c.name), c.value);
    setFocusPolicy(Qt::StrongFocus); // the wheel alone does not give it the focus
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int) { emit colourChanged(selectedValue()); });
}

void ColorBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ColorBox::addColour(const QString& name, std::uint32_t value) {
    QPixmap swatch(14, 14);
    swatch.fill(ColorFromValue(value));
    addItem(QIcon(swatch), name, QVariant::fromValue<quint32>(value));
}

std::uint32_t ColorBox::selectedValue() const {
    const QVariant v = currentData();
    return v.isValid() ? v.value<quint32>() : 0;
}

void ColorBox::setSelectedValue(std::uint32_t value) {
    int index = findData(QVariant::fromValue<quint32>(value));
    if (index < 0) {
        addColour(QStringLiteral("#%1").arg(value, 8, 16, QLatin1Char('0')).toUpper(), value);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

} // namespace orvex
