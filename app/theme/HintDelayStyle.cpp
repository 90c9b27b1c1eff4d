#include "HintDelayStyle.h"

namespace orvex {

HintDelayStyle::HintDelayStyle(QStyle* base, int delayMs) : QProxyStyle(base), delayMs_(delayMs) {}

int HintDelayStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return delayMs_;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace orvex
