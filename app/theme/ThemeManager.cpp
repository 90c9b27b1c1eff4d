#include "ThemeManager.h"

#include "HintDelayStyle.h"
#include "Themes.h"

#include <QApplication>
#include <QStyleFactory>

namespace orvex {

ThemeManager::ThemeManager(QObject* parent) : QObject(parent) {}

QString ThemeManager::apply(const QString& name) {
    const Theme theme = MakeTheme(MatchThemeName(name));
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const int platformDelay =
        (fusion ? fusion : QApplication::style())->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
    auto* style = new HintDelayStyle(fusion, delayMs_ < 0 ? platformDelay : delayMs_);
    QApplication::setStyle(style); // the application owns the style and deletes the previous one
    style_ = style;
    QApplication::setPalette(theme.palette);
    qApp->setStyleSheet(theme.styleSheet);
    if (current_ != theme.name) {
        current_ = theme.name;
        emit themeChanged(current_);
    }
    return current_;
}

void ThemeManager::setHintDelay(int delayMs) {
    delayMs_ = std::max(0, delayMs);
    if (style_)
        style_->setHintDelay(delayMs_);
    else
        apply(current_);
}

} // namespace orvex
