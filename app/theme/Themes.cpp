#include "Themes.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace orvex {

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kOfficeXP = QStringLiteral("OfficeXP");
const QString kStripes = QStringLiteral("Stripes");

QPalette FusionPalette() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette();
}

// Light beige bars with the blue hot-tracking boxes of the early-2000s office suites.
Theme OfficeXP() {
    QPalette p = FusionPalette();
    p.setColor(QPalette::Window, QColor(0xEE, 0xED, 0xE5));
    p.setColor(QPalette::Button, QColor(0xF6, 0xF5, 0xF0));
    p.setColor(QPalette::Highlight, QColor(0x31, 0x6A, 0xC5));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    const QString css = QStringLiteral(R"(
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfaf6, stop:1 #e3e0d2);
           border: 1px solid #c5c2b2; border-radius: 3px; spacing: 1px; padding: 1px; }
QToolBar::separator { background: #c5c2b2; width: 1px; height: 1px; margin: 3px; }
QToolButton { border: 1px solid transparent; padding: 2px; background: transparent; }
QToolButton:hover { border: 1px solid #316ac5; background: #c1d2ee; }
QToolButton:pressed, QToolButton:checked { border: 1px solid #316ac5; background: #98b5e2; }
QMenuBar { background: transparent; }
QMenuBar::item { padding: 3px 8px; background: transparent; border: 1px solid transparent; }
QMenuBar::item:selected { border: 1px solid #316ac5; background: #c1d2ee; }
QMenu { background: #fcfcf9; border: 1px solid #8a867a; }
QMenu::item { padding: 4px 24px 4px 28px; border: 1px solid transparent; }
QMenu::item:selected { border: 1px solid #316ac5; background: #c1d2ee; color: black; }
QMenu::separator { height: 1px; background: #c5c2b2; margin: 2px 4px 2px 28px; }
QDockWidget::title { background: #dcd9c8; padding: 3px; }
QStatusBar { background: #e3e0d2; border-top: 1px solid #c5c2b2; }
)");
    return {kOfficeXP, p, css};
}

QPixmap StripeTile() {
    QPixmap tile(8, 8);
    tile.fill(QColor(0xE4, 0xEA, 0xF3));
    QPainter painter(&tile);
    painter.setPen(QColor(0xD2, 0xDB, 0xE9));
    for (int y = 0; y < 8; y += 2)
        painter.drawLine(0, y, 7, y);
    return tile;
}

// Blue-grey bars with fine horizontal stripes and orange hot-tracking.
Theme Stripes() {
    QPalette p = FusionPalette();
    p.setBrush(QPalette::Window, QBrush(StripeTile()));
    p.setColor(QPalette::Button, QColor(0xD6, 0xDF, 0xEC));
    p.setColor(QPalette::Highlight, QColor(0x3A, 0x5F, 0x95));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x2F, 0x4A, 0x73));
    p.setColor(QPalette::ToolTipText, Qt::white);
    const QString css = QStringLiteral(R"(
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c9d6ea, stop:0.12 #e6ecf6,
           stop:0.25 #c9d6ea, stop:0.37 #e6ecf6, stop:0.5 #c9d6ea, stop:0.62 #e6ecf6, stop:0.75 #c9d6ea,
           stop:0.87 #e6ecf6, stop:1 #b3c4de);
           border: 1px solid #7f97bb; border-radius: 4px; spacing: 2px; padding: 2px; }
QToolBar::separator { background: #7f97bb; width: 2px; height: 2px; margin: 3px; }
QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px; background: transparent; }
QToolButton:hover { border: 1px solid #d98a1c; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
                    stop:0 #fff3cf, stop:1 #ffd37a); }
QToolButton:pressed, QToolButton:checked { border: 1px solid #b86b0a; background: #f7b64b; }
QMenuBar { background: transparent; }
QMenuBar::item { padding: 3px 8px; background: transparent; border-radius: 3px; }
QMenuBar::item:selected { background: #3a5f95; color: white; }
QMenu { background: #f1f4fa; border: 1px solid #3a5f95; }
QMenu::item { padding: 4px 24px 4px 28px; }
QMenu::item:selected { background: #3a5f95; color: white; }
QMenu::separator { height: 2px; background: #b3c4de; margin: 2px 4px; }
QDockWidget { color: #10233f; }
QDockWidget::title { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #dfe7f4, stop:1 #9fb4d6);
                     border: 1px solid #7f97bb; padding: 3px; }
QStatusBar { background: #b3c4de; border-top: 1px solid #7f97bb; }
)");
    return {kStripes, p, css};
}

} // namespace

QStringList ThemeNames() {
    return {kDefault, kOfficeXP, kStripes};
}

QString MatchThemeName(const QString& name) {
    for (const QString& known : ThemeNames())
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            return known;
    return kDefault;
}

Theme MakeTheme(const QString& name) {
    if (name == kOfficeXP)
        return OfficeXP();
    if (name == kStripes)
        return Stripes();
    return {kDefault, FusionPalette(), QString()};
}

} // namespace orvex
