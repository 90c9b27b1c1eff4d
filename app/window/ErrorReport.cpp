#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace orvex {

namespace {
ErrorReport::Reporter& CurrentReporter() {
    static ErrorReport::Reporter reporter;
    return reporter;
}
} // namespace

void ErrorReport::SetReporter(Reporter reporter) {
    CurrentReporter() = std::move(reporter);
}

void ErrorReport::Show(const QString& message) {
    if (const auto& reporter = CurrentReporter()) {
        reporter(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace orvex
