#pragma once

#include <QKeyCombination>

#include <span>
#include <string_view>

namespace orvex {

// One command of the main window: an action bound to menu entries, toolbar buttons and a key.
struct CommandInfo {
    std::string_view name;     // the action's objectName
    std::string_view category; // the menu it belongs to; empty for none
    std::string_view caption;
    std::string_view hint; // "short|long", or one text serving as both
    QKeyCombination key;   // Qt::Key_unknown for none
    std::string_view themeIcon;
    std::string_view fallbackIcon; // resource shipped with the program
};

// The commands in the order of the command list. The order decides which command a key runs when two
// list the same key: the first one wins.
[[nodiscard]] std::span<const CommandInfo> CommandList();

} // namespace orvex
