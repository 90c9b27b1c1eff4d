#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace orvex {

class HintDelayStyle;

// Applies a theme and the hint delay to the whole application and reports the theme in force.
class ThemeManager : public QObject {
    Q_OBJECT
  public:
    explicit ThemeManager(QObject* parent = nullptr);

    // Applies the theme the name selects (see MatchThemeName) and returns its name.
    QString apply(const QString& name);
    [[nodiscard]] QString current() const { return current_; }

    // Milliseconds the mouse rests on a control before its hint appears; negative counts as 0.
    void setHintDelay(int delayMs);
    [[nodiscard]] int hintDelay() const noexcept { return delayMs_; }

  signals:
    void themeChanged(const QString& name);

  private:
    QString current_;
    int delayMs_ = -1; // the platform's default until set
    QPointer<HintDelayStyle> style_;
};

} // namespace orvex
