#include "CommandList.h"

#include <array>

namespace orvex {

namespace {

constexpr QKeyCombination kNoKey{Qt::Key_unknown};

constexpr std::array kCommands{
    CommandInfo{"BrowseURL1", "Помощь", "Домашняя страница Orvex", "Домашняя страница Orvex", Qt::Key_F12, "",
                ":/icons/web.png"},
    CommandInfo{"New", "Файл", "Создать", "Создать", Qt::Key_F2, "document-new", ":/icons/new.png"},
    CommandInfo{"FileOpen1", "Файл", "Открыть", "Открыть", Qt::Key_F3, "document-open", ":/icons/open.png"},
    CommandInfo{"FileSaveAs1", "Файл", "Сохранить", "Сохранить", Qt::Key_F4, "document-save",
                ":/icons/save.png"},
    CommandInfo{"NewGr", "Построение", "Добавить график", "Добавить график", Qt::Key_F5, "list-add",
                ":/icons/add-graph.png"},
    CommandInfo{"RemoveGr", "Построение", "Удалить график", "Удалить график", Qt::Key_Delete, "list-remove",
                ":/icons/remove-graph.png"},
    CommandInfo{"NewDif", "Построение", "Добавить график производной", "Добавить график производной",
                Qt::Key_F6, "", ":/icons/derivative.png"},
    CommandInfo{"Eval", "Построение", "Вспомогательные вычисления", "Вспомогательные вычисления", Qt::Key_F7,
                "accessories-calculator", ":/icons/calculator.png"},
    CommandInfo{"About", "Помощь", "О программе", "О программе", Qt::Key_F1, "help-about",
                ":/icons/about.png"},
    CommandInfo{"MoveLeft", "Построение", "Сдвинуть влево", "Сдвинуть влево", Qt::CTRL | Qt::Key_Z,
                "go-previous", ":/icons/move-left.png"},
    CommandInfo{"MoveRight", "Построение", "Сдвинуть вправо", "Сдвинуть вправо", Qt::CTRL | Qt::Key_C,
                "go-next", ":/icons/move-right.png"},
    CommandInfo{"MoveUp", "Построение", "Сдвинуть вверх", "Сдвинуть вверх", Qt::CTRL | Qt::Key_D, "go-up",
                ":/icons/move-up.png"},
    CommandInfo{"MoveDown", "Построение", "Сдвинуть вниз", "Сдвинуть вниз", Qt::CTRL | Qt::Key_X, "go-down",
                ":/icons/move-down.png"},
    CommandInfo{"HorMin", "Построение", "Сжать по горизонтали", "Сжать по горизонтали",
                Qt::CTRL | Qt::Key_F11, "", ":/icons/hor-min.png"},
    CommandInfo{"HorMax", "Построение", "Растянуть по горизонтали", "Растянуть по горизонтали",
                Qt::CTRL | Qt::Key_F10, "", ":/icons/hor-max.png"},
    CommandInfo{"VertMin", "Построение", "Сжать по вертикали", "Сжать по вертикали", Qt::SHIFT | Qt::Key_F11,
                "", ":/icons/vert-min.png"},
    CommandInfo{"VertMax", "Построение", "Растянуть по вертикали", "Растянуть по вертикали",
                Qt::SHIFT | Qt::Key_F10, "", ":/icons/vert-max.png"},
    CommandInfo{"AllMax", "Построение", "Увеличить", "Увеличить", Qt::Key_F10, "", ":/icons/all-max.png"},
    CommandInfo{"AllMin", "Построение", "Уменьшить", "Уменьшить", Qt::Key_F11, "", ":/icons/all-min.png"},
    CommandInfo{"FileExit1", "Файл", "Выход", "Exit|Quits the application", Qt::CTRL | Qt::Key_Q,
                "application-exit", ":/icons/exit.png"},
    CommandInfo{"Change", "", "Change", "", kNoKey, "view-refresh", ":/icons/redraw.png"},
    CommandInfo{"CopyToClipboard", "Файл", "Копировать изображение в буфер обмена",
                "Копировать изображение в буфер обмена", Qt::CTRL | Qt::Key_C, "edit-copy",
                ":/icons/copy.png"},
    CommandInfo{"SavePicture1", "Файл", "Сохранить как рисунок", "Save Picture", Qt::CTRL | Qt::Key_S,
                "document-save-as", ":/icons/save-picture.png"},
    CommandInfo{"PrintDlg1", "Файл", "Печать", "Печать", Qt::CTRL | Qt::Key_P, "document-print",
                ":/icons/print.png"},
    CommandInfo{"Parametres", "Файл", "Параметры по умолчанию", "Параметры по умолчанию", Qt::Key_F8,
                "preferences-system", ":/icons/settings.png"},
    // Beyond the original command set, on a key it leaves free.
    CommandInfo{"SpecialPoints", "Построение", "Особые точки", "Особые точки: нули, экстремумы, пересечения",
                Qt::Key_F9, "", ":/icons/special-points.png"},
    CommandInfo{"ValueTable", "Вид", "Таблица значений", "Таблица значений выбранного графика",
                Qt::SHIFT | Qt::Key_F9, "", ":/icons/value-table.png"},
    CommandInfo{"Trace", "Вид", "Трассировка", "Трассировка: значение выбранного графика под курсором",
                Qt::CTRL | Qt::Key_T, "", ":/icons/trace.png"},
    CommandInfo{"Smoothing", "Вид", "Сглаживание", "Сглаживание линий графиков и сетки", kNoKey, "",
                ":/icons/smoothing.png"},
    CommandInfo{"Study", "Построение", "Исследование функции", "Исследование функции выбранного графика",
                Qt::CTRL | Qt::Key_F9, "", ":/icons/study.png"},
    CommandInfo{"Undo", "Построение", "Отменить", "Отменить последнее изменение списка графиков",
                Qt::ALT | Qt::Key_Backspace, "edit-undo", ":/icons/undo.png"},
    CommandInfo{"Redo", "Построение", "Повторить", "Повторить отменённое изменение списка графиков",
                Qt::CTRL | Qt::Key_Y, "edit-redo", ":/icons/redo.png"},
};

} // namespace

std::span<const CommandInfo> CommandList() {
    return kCommands;
}

} // namespace orvex
