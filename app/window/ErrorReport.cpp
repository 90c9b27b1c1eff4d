#include "ErrorReport.h"

#include "MessageReport.h"

#include <QApplication>

namespace orvex {

void ErrorReport::Show(const QString& message) {
    ShowError(QApplication::activeWindow(), message);
}

} // namespace orvex
