#include "PointSearch.h"

#include <QMetaObject>

namespace orvex {

void PointSearch::start(PointSearchJob job) {
    task_.start([this, job = std::move(job)](const std::atomic<bool>& stop) {
        PointSearchResult result;
        result.generation = job.generation;
        std::vector<GraphFunction> others;
        others.reserve(job.others.size());
        for (const std::string& formula : job.others)
            others.push_back(FormulaFunction(formula));
        result.points = FindSpecialPoints(FormulaFunction(job.formula), others, job.range, &stop);
        result.cancelled = stop.load();
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { emit finished(result); }, Qt::QueuedConnection);
    });
}

} // namespace orvex
