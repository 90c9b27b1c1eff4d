#include "RedrawRunner.h"

#include <QMetaObject>

#include <exception>

namespace orvex {

namespace {

RedrawResult draw(RedrawJob& job, const std::atomic<bool>& cancel) {
    RedrawResult result;
    result.generation = job.generation;
    try {
        result.cancelled = DrawCurves(job.picture, job.limits, job.curves, &cancel, job.memory, job.smooth) ==
                           CurvesResult::Cancelled;
    } catch (const std::exception& e) {
        result.error = QString::fromUtf8(e.what());
    } catch (...) {
        result.error = QStringLiteral("Unknown error");
    }
    result.picture = std::move(job.picture);
    return result;
}

} // namespace

void RedrawRunner::start(RedrawJob job) {
    task_.start([this, job = std::move(job)](const std::atomic<bool>& stop) mutable {
        RedrawResult result = draw(job, stop);
        if (stop.load())
            result.cancelled = true;
        // Delivered on the GUI thread; dropped if this object is gone by then.
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { emit finished(result); }, Qt::QueuedConnection);
    });
}

} // namespace orvex
