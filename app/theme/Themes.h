#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

namespace orvex {

// The three visual themes, by name.
struct Theme {
    QString name;
    QPalette palette;
    QString styleSheet;
};

// "Default", "OfficeXP", "Stripes", in the order of the theme selector.
[[nodiscard]] QStringList ThemeNames();

// The theme a name selects: names compare without regard to case; any other name selects "Default".
[[nodiscard]] QString MatchThemeName(const QString& name);

// The palette and toolbar styling of a theme (a name from ThemeNames()). Needs a GUI application.
[[nodiscard]] Theme MakeTheme(const QString& name);

} // namespace orvex
