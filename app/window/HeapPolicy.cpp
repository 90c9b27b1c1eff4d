#include "HeapPolicy.h"

#include <QCoreApplication>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orvex {

namespace {

// Blocks of at least this size are mapped on their own and unmapped when freed (glibc's threshold starts
// at 128 KiB and then follows the largest block freed).
constexpr int kMappedBlock = 256 * 1024;
// The main heap and one for all other threads: their allocations are few and mostly large (mapped).
constexpr int kHeaps = 2;
// Trimming walks every free block (a millisecond or two after a large redraw): done once things calm
// down rather than after every redraw.
constexpr int kIdleMs = 1000;

void trimHeap() {
#if defined(__GLIBC__)
    (void)malloc_trim(0);
#endif
}

} // namespace

void ApplyHeapPolicy() {
#if defined(__GLIBC__)
    (void)mallopt(M_MMAP_THRESHOLD, kMappedBlock);
    (void)mallopt(M_ARENA_MAX, kHeaps);
#endif
}

void TrimHeapWhenIdle() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    auto* timer = app->findChild<QTimer*>(QStringLiteral("orvexHeapTrim"), Qt::FindDirectChildrenOnly);
    if (timer == nullptr) {
        timer = new QTimer(app);
        timer->setObjectName(QStringLiteral("orvexHeapTrim"));
        timer->setSingleShot(true);
        timer->setInterval(kIdleMs);
        QObject::connect(timer, &QTimer::timeout, app, &trimHeap);
    }
    timer->start();
}

} // namespace orvex
