// The search for special points: sample the graph once, scan it, then scan its difference with every
// other graph, reusing the graph's samples.
#include "SpecialPoints.h"

#include "CurveScanner.h"
#include "SampledCurve.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace orvex {

namespace {

using analysis::CurveScanner;

int kindOrder(SpecialPoint::Kind kind) {
    return static_cast<int>(kind);
}

void sortPoints(std::vector<SpecialPoint>& points) {
    std::sort(points.begin(), points.end(), [](const SpecialPoint& a, const SpecialPoint& b) {
        return std::make_tuple(a.x, kindOrder(a.kind), a.other) <
               std::make_tuple(b.x, kindOrder(b.kind), b.other);
    });
}

void addGraphPoints(const analysis::CurveFeatures& features, std::vector<SpecialPoint>& points) {
    for (const double x : features.roots)
        points.push_back({SpecialPoint::Kind::Zero, x, 0.0L});
    for (const auto& e : features.extrema)
        points.push_back({e.maximum ? SpecialPoint::Kind::Maximum : SpecialPoint::Kind::Minimum, e.x, e.y});
}

} // namespace

std::vector<SpecialPoint> FindSpecialPoints(const GraphFunction& f, const std::vector<GraphFunction>& others,
                                            const AnalysisRange& range, const std::atomic<bool>* cancel) {
    std::vector<SpecialPoint> points;
    const analysis::SampleGrid grid(range);
    analysis::SampledCurve graph;
    if (grid.empty() || !analysis::SampleFunction(f, grid, graph, cancel))
        return points;
    addGraphPoints(CurveScanner(f, grid, graph).scan(CurveScanner::Extrema::List, cancel), points);

    analysis::SampledCurve other;
    analysis::SampledCurve difference;
    for (std::size_t k = 0; k < others.size() && !analysis::Cancelled(cancel); ++k) {
        const GraphFunction& g = others[k];
        if (!analysis::SampleFunction(g, grid, other, cancel))
            break;
        analysis::Difference(graph, other, difference);
        const GraphFunction d = [&f, &g](double x, long double& y) {
            long double fy = 0;
            long double gy = 0;
            if (!f(x, fy) || !g(x, gy))
                return false;
            y = fy - gy;
            return std::isfinite(y);
        };
        const auto features =
            CurveScanner(d, grid, difference).scan(CurveScanner::Extrema::TouchingOnly, cancel);
        for (const double x : features.roots) {
            long double y = 0;
            if (f(x, y))
                points.push_back({SpecialPoint::Kind::Intersection, x, y, static_cast<int>(k)});
        }
    }
    sortPoints(points);
    return points;
}

} // namespace orvex
