#pragma once

#include "LatestTask.h"
#include "SpecialPoints.h"

#include <QObject>

#include <cstdint>
#include <string>
#include <vector>

namespace orvex {

// One search for the special points of a graph: its formula, the formulas of the checked graphs it may
// intersect, and the x range and density of the picture on screen.
struct PointSearchJob {
    std::uint64_t generation = 0;
    std::string formula;             // Windows-1251, as in the record
    std::vector<std::string> others; // likewise
    AnalysisRange range;
};

struct PointSearchResult {
    std::uint64_t generation = 0;
    std::vector<SpecialPoint> points;
    bool cancelled = false;
};

// Finds special points on a thread of its own, one search at a time: starting a search cancels the one
// in progress. Results arrive on the GUI thread through `finished`.
class PointSearch : public QObject {
    Q_OBJECT
  public:
    explicit PointSearch(QObject* parent = nullptr) : QObject(parent) {}

    void start(PointSearchJob job);
    void cancel() { task_.cancel(); }

  signals:
    void finished(const orvex::PointSearchResult& result);

  private:
    LatestTask task_; // last: stopped and waited for before anything else goes
};

} // namespace orvex
