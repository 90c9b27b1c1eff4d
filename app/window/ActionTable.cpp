#include "ActionTable.h"

#include "CommandList.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QSet>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace orvex {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

const char* const kCaptionProperty = "orvexCaption";

QIcon IconFor(const CommandInfo& info) {
    const QIcon fallback(Text(info.fallbackIcon));
    return info.themeIcon.empty() ? fallback : QIcon::fromTheme(Text(info.themeIcon), fallback);
}

} // namespace

ActionTable::ActionTable(QWidget* owner) : QObject(owner) {
    QSet<int> taken; // combined key codes already given to Qt
    for (const CommandInfo& info : CommandList()) {
        auto* action = new QAction(owner);
        const QString caption = Text(info.caption);
        action->setObjectName(Text(info.name));
        action->setProperty(kCaptionProperty, caption);
        action->setText(caption);
        action->setIconText(caption);
        action->setIcon(IconFor(info));

        const QString hint = Text(info.hint);
        const qsizetype bar = hint.indexOf(QLatin1Char('|'));
        action->setToolTip(bar < 0 ? hint : hint.left(bar));
        action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));

        if (info.key.key() != Qt::Key_unknown) {
            if (!taken.contains(info.key.toCombined())) {
                taken.insert(info.key.toCombined());
                action->setShortcut(QKeySequence(info.key));
            } else {
                // An earlier command owns the key; the menu entry still shows it.
                action->setText(caption + QLatin1Char('\t') +
                                QKeySequence(info.key).toString(QKeySequence::NativeText));
            }
        }
        owner->addAction(action);
        actions_.append(action);
    }
}

QAction* ActionTable::operator[](std::string_view name) const {
    const QString wanted = Text(name);
    for (QAction* action : actions_)
        if (action->objectName() == wanted)
            return action;
    throw std::out_of_range("no action " + std::string(name));
}

void ActionTable::addTo(QWidget* window) const {
    for (QAction* action : actions_)
        if (!action->shortcut().isEmpty())
            window->addAction(action);
}

QString ActionTable::Caption(const QAction* action) {
    return action->property(kCaptionProperty).toString();
}

} // namespace orvex
