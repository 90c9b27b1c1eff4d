#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace orvex {

// Processes events until `busy()` is false or `timeoutMs` have passed: for callers that need the result
// of work done off the GUI thread at once, such as tests. A timer keeps the wait from outlasting the
// deadline when no event comes.
template <class Busy> void ProcessEventsWhile(Busy busy, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;
    wake.start(20);
    while (busy() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace orvex
