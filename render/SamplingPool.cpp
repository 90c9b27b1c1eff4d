#include "SamplingPool.h"

#include <QThread>
#include <QThreadPool>

namespace orvex {

QThreadPool& SamplingPool() {
    static QThreadPool* const pool = [] {
        auto* p = new QThreadPool; // lives until the process ends: workers may still be winding down
        p->setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
        p->setExpiryTimeout(30000);
        return p;
    }();
    return *pool;
}

} // namespace orvex
