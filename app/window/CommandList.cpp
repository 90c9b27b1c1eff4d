#include "CommandList.h"

#include <array>

namespace orvex {

namespace {

constexpr QKeyCombination kNoKey{Qt::Key_unknown};

constexpr std::array kCommands{
    CommandSpec{"BrowseURL1", "Помощь", "Домашняя страница Orvex", "Домашняя страница Orvex", Qt::Key_F12,
                "go-home", ":/icons/home.png"},
    CommandSpec{"New", "Файл", "Создать", "Создать", Qt::Key_F2, "document-new", ":/icons/new.png"},
    CommandSpec{"FileOpen1", "Файл", "Открыть", "Открыть", Qt::Key_F3, "document-open", ":/icons/open.png"},
    CommandSpec{"FileSaveAs1", "Файл", "Сохранить", "Сохранить", Qt::Key_F4, "document-save",
                ":/icons/save.png"},
    CommandSpec{"NewGr", "Построение", "Добавить график", "Добавить график", Qt::Key_F5, "list-add",
                ":/icons/add-graph.png"},
    CommandSpec{"RemoveGr", "Построение", "Удалить график", "Удалить график", Qt::Key_Delete, "list-remove",
                ":/icons/remove-graph.png"},
    CommandSpec{"NewDif", "Построение", "Добавить график производной", "Добавить график производной",
                Qt::Key_F6, "", ":/icons/derivative.png"},
    CommandSpec{"Eval", "Построение", "Вспомогательные вычисления", "Вспомогательные вычисления", Qt::Key_F7,
                "accessories-calculator", ":/icons/calculator.png"},
    CommandSpec{"About", "Помощь", "О программе", "О программе", Qt::Key_F1, "help-about",
                ":/icons/about.png"},
    CommandSpec{"MoveLeft", "Построение", "Сдвинуть влево", "Сдвинуть влево", Qt::CTRL | Qt::Key_Z,
                "go-previous", ":/icons/move-left.png"},
    CommandSpec{"MoveRight", "Построение", "Сдвинуть вправо", "Сдвинуть вправо", Qt::CTRL | Qt::Key_C,
                "go-next", ":/icons/move-right.png"},
    CommandSpec{"MoveUp", "Построение", "Сдвинуть вверх", "Сдвинуть вверх", Qt::CTRL | Qt::Key_D, "go-up",
                ":/icons/move-up.png"},
    CommandSpec{"MoveDown", "Построение", "Сдвинуть вниз", "Сдвинуть вниз", Qt::CTRL | Qt::Key_X, "go-down",
                ":/icons/move-down.png"},
    CommandSpec{"HorMin", "Построение", "Сжать по горизонтали", "Сжать по горизонтали",
                Qt::CTRL | Qt::Key_F11, "", ":/icons/hor-min.png"},
    CommandSpec{"HorMax", "Построение", "Растянуть по горизонтали", "Растянуть по горизонтали",
                Qt::CTRL | Qt::Key_F10, "", ":/icons/hor-max.png"},
    CommandSpec{"VertMin", "Построение", "Сжать по вертикали", "Сжать по вертикали", Qt::SHIFT | Qt::Key_F11,
                "", ":/icons/vert-min.png"},
    CommandSpec{"VertMax", "Построение", "Растянуть по вертикали", "Растянуть по вертикали",
                Qt::SHIFT | Qt::Key_F10, "", ":/icons/vert-max.png"},
    CommandSpec{"AllMax", "Построение", "Увеличить", "Увеличить", Qt::Key_F10, "", ":/icons/all-max.png"},
    CommandSpec{"AllMin", "Построение", "Уменьшить", "Уменьшить", Qt::Key_F11, "", ":/icons/all-min.png"},
    CommandSpec{"FileExit1", "Файл", "Выход", "Exit|Quits the application", Qt::CTRL | Qt::Key_Q,
                "application-exit", ":/icons/exit.png"},
    CommandSpec{"Change", "", "Change", "", kNoKey, "view-refresh", ":/icons/redraw.png"},
    CommandSpec{"CopyToClipboard", "Файл", "Копировать изображение в буфер обмена",
                "Копировать изображение в буфер обмена", Qt::CTRL | Qt::Key_C, "edit-copy",
                ":/icons/copy.png"},
    CommandSpec{"SavePicture1", "Файл", "Сохранить как рисунок", "Save Picture", Qt::CTRL | Qt::Key_S,
                "document-save-as", ":/icons/save-picture.png"},
    CommandSpec{"PrintDlg1", "Файл", "Печать", "Печать", Qt::CTRL | Qt::Key_P, "document-print",
                ":/icons/print.png"},
    CommandSpec{"Parametres", "Файл", "Параметры по умолчанию", "Параметры по умолчанию", Qt::Key_F8,
                "preferences-system", ":/icons/settings.png"},
};

} // namespace

std::span<const CommandSpec> CommandList() {
    return kCommands;
}

} // namespace orvex
