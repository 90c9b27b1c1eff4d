#pragma once

#include <QProxyStyle>

namespace orvex {

// The application's style with an adjustable hint delay: Qt asks the style how long the mouse must rest
// on a control before its tooltip appears.
class HintDelayStyle : public QProxyStyle {
    Q_OBJECT
  public:
    HintDelayStyle(QStyle* base, int delayMs);

    void setHintDelay(int delayMs) noexcept { delayMs_ = delayMs; }
    [[nodiscard]] int hintDelay() const noexcept { return delayMs_; }

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

  private:
    int delayMs_;
};

} // namespace orvex
