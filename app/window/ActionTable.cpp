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

QIcon IconFor(const CommandSpec& spec) {
    const QIcon fallback(Text(spec.fallbackIcon));
    return spec.themeIcon.empty() ? fallback : QIcon::fromTheme(Text(spec.themeIcon), fallback);
}

} // namespace

ActionTable::ActionTable(QWidget* owner) : QObject(owner) {
    QSet<int> taken; // combined key codes already given to Qt
    for (const CommandSpec& spec : CommandList()) {
        auto* action = new QAction(owner);
        const QString caption = Text(spec.caption);
        action->setObjectName(Text(spec.name));
        action->setProperty(kCaptionProperty, caption);
        action->setText(caption);
        action->setIconText(caption);
        action->setIcon(IconFor(spec));

        const QString hint = Text(spec.hint);
        const qsizetype bar = hint.indexOf(QLatin1Char('|'));
        action->setToolTip(bar < 0 ? hint : hint.left(bar));
        action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));

        if (spec.key.key() != Qt::Key_unknown) {
            if (!taken.contains(spec.key.toCombined())) {
                taken.insert(spec.key.toCombined());
                action->setShortcut(QKeySequence(spec.key));
            } else {
                // An earlier command owns the key; the menu entry still shows it.
                action->setText(caption + QLatin1Char('\t') +
                                QKeySequence(spec.key).toString(QKeySequence::NativeText));
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
