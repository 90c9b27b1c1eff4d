// The domain of a graph on a range: the samples with a value give its intervals; holes between samples
// are looked for where the formula's divisors and arguments are 0, where f changes sign without a zero,
// and at the tops of sharp peaks of |f|.
#include "StudyDomain.h"

#include "ShortestDecimal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvex::study {

namespace {

using analysis::ShortestDecimal;

// A gap narrower than this share of the range is a point without value; one around a zero of a divisor
// or argument may be wider (the evaluator has no value for 1/x^2 where x^2 < 1E-10, |x| < 1E-5).
constexpr long double kPointShare = 1e-6L;
constexpr long double kGuardPointShare = 1e-3L;
// A zero of a divisor or argument this far (as a share of the range) from a border can be its cause.
constexpr long double kCauseShare = 0.1L;
// The evaluations the search for holes at the zeros of divisors and arguments may make (it samples each
// like a graph; over -5..5 that is a few thousand each).
constexpr std::size_t kGuardEvaluations = 100000;
// A bound on the sign changes and peaks looked into (besides the budget of the refinements).
constexpr std::size_t kMaxProbes = 2000;
// A peak of |f| is sharp when its top sample is this many times the samples two steps away.
constexpr long double kSharpPeak = 3;

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

bool valued(const GraphFunction& f, double x) {
    long double y = 0;
    return f(x, y) && std::isfinite(y);
}

// A stretch without value: lo and hi are the valued points around it (NaN when it reaches the range's
// end); `inside` is a point without value in it.
struct Gap {
    double lo;
    double hi;
    double inside;
};

double midpoint(double a, double b) {
    return static_cast<double>(static_cast<long double>(a) + (static_cast<long double>(b) - a) / 2);
}

class DomainFinder {
  public:
    DomainFinder(const GraphFunction& f, const StudyGrid& grid, const Samples& samples, StudyBudget& budget,
                 const std::atomic<bool>* cancel)
        : f_(f), grid_(grid), s_(samples), budget_(budget), cancel_(cancel) {}

    // The zeros of the guards, within kGuardEvaluations (a range like 1E300, where every value is
    // written out as text, makes each evaluation slow); false when they ran out or the study was
    // cancelled first.
    bool addGuardZeros(const FormulaGuards& guards, const AnalysisRange& range,
                       std::vector<double>& out) const {
        std::atomic<bool> stop = false;
        std::atomic<std::size_t> calls = 0;
        for (const GraphFunction& g : guards.functions()) {
            const GraphFunction counted = [&](double x, long double& y) {
                if (++calls >= kGuardEvaluations || Stopped(cancel_))
                    stop = true;
                return g(x, y);
            };
            const auto points = FindSpecialPoints(counted, {}, range, &stop);
            if (stop)
                break;
            for (const SpecialPoint& p : points)
                if (p.kind == SpecialPoint::Kind::Zero)
                    out.push_back(p.x);
        }
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end(),
                              [this](double a, double b) { return b - a <= grid_.tolerance(b); }),
                  out.end());
        return !stop;
    }

    void runsWithoutValue() {
        const std::size_t n = grid_.size();
        for (std::size_t i = 0; i < n && !Stopped(cancel_);) {
            if (s_.has(i)) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j + 1 < n && !s_.has(j + 1))
                ++j;
            const double lo = i > 0 ? edge(grid_[i - 1], grid_[i]) : kNone;
            const double hi = j + 1 < n ? edge(grid_[j + 1], grid_[j]) : kNone;
            gaps_.push_back({lo, hi, grid_[i]});
            i = j + 1;
        }
    }

    // A hole at a zero c of a divisor or argument, between two samples with a value.
    void holesAtGuardZeros(const std::vector<double>& guardZeros) {
        for (const double c : guardZeros) {
            if (Stopped(cancel_))
                return;
            if (valued(f_, c))
                continue;
            std::size_t j = grid_.nearest(c);
            if (grid_[j] > c && j > 0)
                --j;
            if (j + 1 >= grid_.size() || !s_.has(j) || !s_.has(j + 1) || !(grid_[j] < c && c < grid_[j + 1]))
                continue; // on a sample without value: a run without value already
            addHole(grid_[j], c, grid_[j + 1]);
        }
    }

    // A change of sign between neighbouring samples with no zero between them: a pole, a jump or a hole.
    void signChangesWithoutZero(const std::vector<double>& zeros) {
        std::size_t probes = 0;
        for (std::size_t i = 0; i + 1 < grid_.size() && probes < kMaxProbes && !Stopped(cancel_); ++i) {
            if (!s_.has(i) || !s_.has(i + 1) ||
                !((s_.y[i] < 0 && s_.y[i + 1] > 0) || (s_.y[i] > 0 && s_.y[i + 1] < 0)))
                continue;
            const double a = grid_[i];
            const double b = grid_[i + 1];
            const auto zero = std::lower_bound(zeros.begin(), zeros.end(), a);
            if (zero != zeros.end() && *zero <= b)
                continue;
            if (holeKnownBetween(a, b))
                continue;
            ++probes;
            bisectSign(a, s_.y[i] > 0, b);
        }
    }

    // The top of a sharp peak of |f| between samples: an even pole that no sample lands on.
    void sharpPeaks() {
        std::size_t probes = 0;
        for (std::size_t i = 2; i + 2 < grid_.size() && probes < kMaxProbes && !Stopped(cancel_); ++i) {
            bool all = true;
            for (std::size_t k = i - 2; k <= i + 2; ++k)
                all = all && s_.has(k);
            if (!all)
                continue;
            const long double top = std::fabs(s_.y[i]);
            if (!(top > std::fabs(s_.y[i - 1]) && top > std::fabs(s_.y[i + 1]) &&
                  top >= kSharpPeak * std::max(std::fabs(s_.y[i - 2]), std::fabs(s_.y[i + 2]))))
                continue;
            if (holeKnownBetween(grid_[i - 1], grid_[i + 1]))
                continue;
            ++probes;
            climb(grid_[i - 1], grid_[i], grid_[i + 1]);
        }
    }

    [[nodiscard]] Domain result(const AnalysisRange& range, std::vector<double> guardZeros) {
        Domain d;
        d.guardZeros = std::move(guardZeros);
        std::sort(gaps_.begin(), gaps_.end(), [](const Gap& a, const Gap& b) { return a.inside < b.inside; });
        // Merge gaps that overlap: a gap's valued ends enclose its inside. Two gaps that share a valued end
        // leave that one point with a value between them (sqrt(1-x^2)+sqrt(x^2-1) has only -1 and 1).
        std::vector<Gap> merged;
        for (const Gap& g : gaps_) {
            if (!merged.empty()) {
                Gap& last = merged.back();
                const bool overlaps = std::isnan(last.hi) || std::isnan(g.lo) || g.lo < last.hi;
                if (overlaps) {
                    last.lo = std::isnan(last.lo) || std::isnan(g.lo) ? kNone : std::min(last.lo, g.lo);
                    last.hi = std::isnan(last.hi) || std::isnan(g.hi) ? kNone : std::max(last.hi, g.hi);
                    continue;
                }
            }
            merged.push_back(g);
        }
        const long double pointWidth = grid_.span() * kPointShare;
        const long double guardPointWidth = grid_.span() * kGuardPointShare;
        End from{range.xmin, range.xmin, false};
        bool open = true; // a piece is being collected from `from`
        for (const Gap& g : merged) {
            if (std::isnan(g.lo)) { // the range starts without value
                open = !std::isnan(g.hi);
                if (open) {
                    from = {g.hi, shownEdge(g.hi), true};
                    d.borders.push_back({g.hi, singular(d.guardZeros, g.hi, range.xmin, g.hi), +1});
                }
                continue;
            }
            double x = 0;
            const bool guarded = !std::isnan(g.hi) && guardIn(d.guardZeros, g, x);
            const long double width = static_cast<long double>(g.hi) - g.lo;
            const bool point =
                !std::isnan(g.hi) && (width <= pointWidth || (guarded && width <= guardPointWidth));
            if (point && !guarded)
                x = midpoint(g.lo, g.hi);
            if (open)
                addPiece(d, from, {g.lo, point ? x : shownEdge(g.lo), true});
            if (std::isnan(g.hi)) {
                open = false;
                d.borders.push_back({g.lo, singular(d.guardZeros, g.lo, g.lo, range.xmax), -1});
                continue;
            }
            if (point) {
                d.points.push_back(x);
                d.borders.push_back({g.lo, x, -1});
                d.borders.push_back({g.hi, x, +1});
            } else {
                d.borders.push_back({g.lo, singular(d.guardZeros, g.lo, g.lo, g.hi), -1});
                d.borders.push_back({g.hi, singular(d.guardZeros, g.hi, g.lo, g.hi), +1});
            }
            from = {g.hi, point ? x : shownEdge(g.hi), true};
            open = true;
        }
        if (open)
            addPiece(d, from, {range.xmax, range.xmax, false});
        std::sort(d.borders.begin(), d.borders.end(), [](const DomainBorder& a, const DomainBorder& b) {
            return a.edge < b.edge || (a.edge == b.edge && a.side < b.side);
        });
        return d;
    }

  private:
    double edge(double valuedX, double missing) { return ValuedEdge(f_, grid_, valuedX, missing, budget_); }

    void addHole(double left, double inside, double right) {
        gaps_.push_back({edge(left, inside), edge(right, inside), inside});
        marks_.insert(std::upper_bound(marks_.begin(), marks_.end(), inside), inside);
    }

    [[nodiscard]] bool holeKnownBetween(double a, double b) const {
        const auto it = std::lower_bound(marks_.begin(), marks_.end(), a);
        return it != marks_.end() && *it <= b;
    }

    // Bisection on the sign of f between a (sign `positiveAtA`) and b; a point without value met on the
    // way is a hole.
    void bisectSign(double a, bool positiveAtA, double b) {
        double lo = a;
        double hi = b;
        for (int k = 0; k < 200 && hi - lo > grid_.tolerance(hi) && budget_.spend(); ++k) {
            const double m = midpoint(lo, hi);
            if (m <= lo || m >= hi)
                break;
            long double y = 0;
            if (!f_(m, y) || !std::isfinite(y)) {
                addHole(lo, m, hi);
                return;
            }
            if ((y > 0) == positiveAtA && y != 0)
                lo = m;
            else
                hi = m;
        }
        // A jump through zero without a hole of its own width: the shortest decimal of the bracket may
        // be the one point without value (arcctg(x) at exactly 0).
        const double x = (lo + hi) / 2;
        if (x > a && x < b && !valued(f_, x))
            addHole(lo, x, hi);
    }

    // Golden-section search for the top of |f| in [a, c] around b; a point without value met on the way
    // is a hole.
    void climb(double a, double b, double c) {
        constexpr long double kRatio = 0.381966011250105151795L;
        long double fb = 0;
        (void)f_(b, fb);
        fb = std::fabs(fb);
        for (int k = 0; k < 120 && c - a > grid_.tolerance(c) && budget_.spend(); ++k) {
            const bool right = (c - b) > (b - a);
            const double x = right ? static_cast<double>(b + kRatio * (static_cast<long double>(c) - b))
                                   : static_cast<double>(b - kRatio * (static_cast<long double>(b) - a));
            if (x <= a || x >= c || x == b)
                break;
            long double fx = 0;
            if (!f_(x, fx) || !std::isfinite(fx)) {
                addHole(right ? b : a, x, right ? c : b);
                return;
            }
            fx = std::fabs(fx);
            if (fx > fb) {
                (right ? a : c) = b;
                b = x;
                fb = fx;
            } else {
                (right ? c : a) = x;
            }
        }
    }

    // Where the value is lost beyond a border at `edge`, the gap being [gapLo, gapHi]: the zero of a
    // divisor or argument in it closest to the edge, when near enough to be the cause; else the edge.
    [[nodiscard]] double singular(const std::vector<double>& zeros, double edgeX, double gapLo,
                                  double gapHi) const {
        const long double reach = grid_.span() * kCauseShare;
        double best = edgeX;
        long double bestDistance = std::numeric_limits<long double>::infinity();
        for (const double z : zeros) {
            if (z < gapLo - grid_.tolerance(gapLo) || z > gapHi + grid_.tolerance(gapHi))
                continue;
            const long double distance = std::fabs(static_cast<long double>(z) - edgeX);
            if (distance <= reach && distance < bestDistance) {
                best = z;
                bestDistance = distance;
            }
        }
        return best;
    }

    // The zero of a divisor or argument inside the gap (the one nearest its middle).
    [[nodiscard]] static bool guardIn(const std::vector<double>& zeros, const Gap& g, double& x) {
        const long double mid = (static_cast<long double>(g.lo) + g.hi) / 2;
        bool found = false;
        for (const double z : zeros) {
            if (z >= g.lo && z <= g.hi && (!found || std::fabs(z - mid) < std::fabs(x - mid))) {
                x = z;
                found = true;
            }
        }
        return found;
    }

    // An end of a piece: the valued point, the point as the study shows it, whether a gap lies beyond.
    struct End {
        double x;
        double shown;
        bool gap;
    };

    [[nodiscard]] double shownEdge(double e) const { return RoundedBorder(grid_, e); }

    void addPiece(Domain& d, const End& fromEnd, const End& toEnd) const {
        const double from = fromEnd.x;
        const double to = toEnd.x;
        if (!(from <= to))
            return;
        DomainPiece piece;
        piece.from = from;
        piece.to = to;
        piece.shownFrom = fromEnd.shown;
        piece.shownTo = toEnd.shown;
        piece.fromGap = fromEnd.gap;
        piece.toGap = toEnd.gap;
        const std::size_t n = grid_.size();
        std::size_t first = grid_.nearest(from);
        while (first < n && grid_[first] < from)
            ++first;
        while (first > 0 && grid_[first - 1] >= from)
            --first;
        std::size_t last = grid_.nearest(to);
        while (last > 0 && grid_[last] > to)
            --last;
        while (last + 1 < n && grid_[last + 1] <= to)
            ++last;
        if (first < n && grid_[first] >= from && grid_[last] <= to && first <= last) {
            piece.first = first;
            piece.last = last;
        }
        d.pieces.push_back(piece);
    }

    const GraphFunction& f_;
    const StudyGrid& grid_;
    const Samples& s_;
    StudyBudget& budget_;
    const std::atomic<bool>* cancel_;
    std::vector<Gap> gaps_;
    std::vector<double> marks_; // the insides of the holes found between samples, sorted
};

} // namespace

double RoundedBorder(const StudyGrid& grid, double edge) {
    const long double r =
        std::min(2e-10L * std::max(1.0L, std::fabs(static_cast<long double>(edge))), 1e-7L * grid.span());
    return ShortestDecimal(static_cast<double>(edge - r), static_cast<double>(edge + r));
}

double ValuedEdge(const GraphFunction& f, const StudyGrid& grid, double valuedX, double missing,
                  StudyBudget& budget) {
    double good = valuedX;
    double bad = missing;
    for (int k = 0;
         k < 200 && std::fabs(static_cast<long double>(bad) - good) > grid.tolerance(good) && budget.spend();
         ++k) {
        const double m = midpoint(good, bad);
        if (m == good || m == bad)
            break;
        (valued(f, m) ? good : bad) = m;
    }
    return good;
}

Domain FindDomain(const GraphFunction& f, const StudyGrid& grid, const Samples& samples,
                  const FormulaGuards& guards, const AnalysisRange& range, const std::vector<double>& zeros,
                  StudyBudget& budget, const std::atomic<bool>* cancel) {
    DomainFinder finder(f, grid, samples, budget, cancel);
    std::vector<double> guardZeros;
    const bool guardsSearched = finder.addGuardZeros(guards, range, guardZeros);
    finder.runsWithoutValue();
    finder.holesAtGuardZeros(guardZeros);
    finder.signChangesWithoutZero(zeros);
    finder.sharpPeaks();
    Domain d = finder.result(range, std::move(guardZeros));
    d.holesSearched = guards.compiled() && guardsSearched;
    return d;
}

} // namespace orvex::study
