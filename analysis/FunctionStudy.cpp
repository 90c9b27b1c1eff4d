// The study of a function: the graph and its two derivatives sampled once on one grid, the special-points
// search for zeros and extrema, and the domain, signs, asymptotes and range built on them.
#include "FunctionStudy.h"

#include "ArithmeticError.h"
#include "FormulaAsRead.h"
#include "FormulaGuards.h"
#include "GraphDerivative.h"
#include "ShortestDecimal.h"
#include "SignCells.h"
#include "StudyAsymptotes.h"
#include "StudyBudget.h"
#include "StudyDomain.h"
#include "StudySamples.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvex {

namespace {

using namespace study;

// A value within this share of the typical size of a function counts as 0 up to rounding (the share the
// special-points search uses).
constexpr long double kZeroShare = 1e-10L;
// The steps of the numeric derivatives (GraphDerivative), relative to max(1, |x|).
constexpr long double kFirstStep = 1e-5L;
constexpr long double kSecondStep = 1e-4L;
// Central differences of the graph's 15-digit values: the rounding of f' is about 1E-9 |f| / max(1, |x|),
// that of f'' about 4E-6 |f| / max(1, x^2) or, when f'' is the difference of a symbolic f', about
// 1E-9 |f'| / max(1, |x|); ten times that is 0.
constexpr long double kFirstRounding = 1e-8L;
constexpr long double kSecondRounding = 4e-5L;
// A symbolic f' from 15-digit steps: rounding of about 1E-14 of the size of its terms.
constexpr long double kFirstSymbolicRounding = 1e-14L;
// At a kink f' differs on the two sides by more than this many times what the curvature explains.
constexpr long double kKinkFactor = 10;
// f(x) and f(-x) within this share of their size are equal.
constexpr long double kParityShare = 1e-10L;
constexpr std::size_t kMinParityPairs = 100;
constexpr std::size_t kMaxParityPairs = 2000;
// The slant asymptotes are looked for from this multiple of the range's largest |x| outwards.
constexpr long double kSlantStart = 1.2715L;

bool Valued(const GraphFunction& f, double x) {
    long double y = 0;
    return f(x, y);
}

// The derivative's values as the study reads them: no value where it throws.
GraphFunction Quiet(EvaluatorFunction g) {
    return [g = std::move(g)](double x, long double& y) {
        try {
            long double v = 0;
            if (!g(x, v) || !std::isfinite(v))
                return false;
            y = v;
            return true;
        } catch (const ArithmeticError&) {
            return false;
        }
    };
}

StudyDerivative Describe(const GraphDerivative& d) {
    return {d.text, d.error, d.method == GraphDerivative::Method::Symbolic};
}

long double AtLeastOne(double x) {
    return std::max(1.0L, std::fabs(static_cast<long double>(x)));
}

class Study {
  public:
    Study(const std::string& formula, const AnalysisRange& range, const std::atomic<bool>* cancel)
        : formula_(formula), f_(FormulaFunction(formula)), grid_(range), cancel_(cancel) {
        s_.range = range;
    }

    FunctionStudy run() {
        // The derivatives of what is drawn: the part of a long formula the evaluator reads.
        const FormulaAsRead read = ReadFormulaAsEvaluated(formula_);
        s_.formulaCut = read.cut;
        s_.readFormula = read.text;
        const GraphDerivative first = DeriveGraph(formula_);
        const GraphDerivative second = DeriveGraphAgain(formula_, first);
        s_.first = Describe(first);
        s_.second = Describe(second);
        if (grid_.empty()) {
            s_.complete = true;
            return s_;
        }
        if (!SampleOnGrid(f_, grid_, fs_, cancel_))
            return s_;
        if (std::find(fs_.valid.begin(), fs_.valid.end(), 1) == fs_.valid.end()) { // no value on the range
            axes();
            slants();
            s_.complete = !Stopped(cancel_);
            return s_;
        }
        typical_ = TypicalMagnitude(fs_);
        f1_ = Quiet(first.value);
        symbolic1_ = first.method == GraphDerivative::Method::Symbolic;
        specialPoints();
        const FormulaGuards guards(formula_);
        domain_ = FindDomain(f_, grid_, fs_, guards, s_.range, zeros_, budget_, cancel_);
        s_.holesSearched = domain_.holesSearched;
        if (Stopped(cancel_))
            return s_;
        domain();
        parity();
        axes();
        signs();
        if (Stopped(cancel_))
            return s_;
        derivatives(first, second);
        if (Stopped(cancel_))
            return s_;
        verticals();
        slants();
        values();
        s_.refinedFully = !budget_.spent();
        s_.complete = !Stopped(cancel_);
        return s_;
    }

  private:
    void specialPoints() {
        for (const SpecialPoint& p : FindSpecialPoints(f_, {}, s_.range, cancel_)) {
            switch (p.kind) {
            case SpecialPoint::Kind::Zero:
                zeros_.push_back(p.x);
                break;
            case SpecialPoint::Kind::Minimum:
                s_.minima.push_back(refined({p.x, p.y}, false));
                extrema_.push_back(s_.minima.back().x);
                break;
            case SpecialPoint::Kind::Maximum:
                s_.maxima.push_back(refined({p.x, p.y}, true));
                extrema_.push_back(s_.maxima.back().x);
                break;
            case SpecialPoint::Kind::Intersection:
                break;
            }
        }
        std::sort(extrema_.begin(), extrema_.end());
        s_.zeros = zeros_;
    }

    // A smooth extremum placed where f' changes sign, to the digits its rounding leaves: the search
    // compares values of f, which are flat there, and may stop some digits short. Kept as found when f'
    // does not change sign around it within a step (a kink) or f is no better there.
    StudyPoint refined(StudyPoint p, bool maximum) {
        const long double h = grid_.step();
        double lo = static_cast<double>(p.x - h);
        double hi = static_cast<double>(p.x + h);
        long double slopeLo = 0;
        long double slopeHi = 0;
        const int rising = maximum ? 1 : -1; // the sign of f' before the extremum
        if (!f1_(lo, slopeLo) || !f1_(hi, slopeHi) || !(slopeLo * rising > 0 && slopeHi * rising < 0))
            return p;
        const long double curvature = std::fabs(slopeHi - slopeLo) / (static_cast<long double>(hi) - lo);
        for (int k = 0; k < 200 && hi - lo > grid_.tolerance(hi) && budget_.spend(symbolic1_ ? 1 : 2); ++k) {
            const auto m = static_cast<double>(lo + (static_cast<long double>(hi) - lo) / 2);
            long double slope = 0;
            if (m <= lo || m >= hi || !f1_(m, slope))
                break;
            if (slope == 0) {
                lo = hi = m;
                break;
            }
            (slope * rising > 0 ? lo : hi) = m;
        }
        const long double c = (static_cast<long double>(lo) + hi) / 2;
        // The rounding of f': about 1E-14 of the size of f's terms for a symbolic one, about 1E-9 of it
        // over max(1, |x|) for differences.
        const long double size = std::max({std::fabs(p.y), typical_, 1.0L});
        const long double rounding = symbolic1_
                                         ? kFirstSymbolicRounding * size
                                         : kFirstRounding / 10 * size / AtLeastOne(static_cast<double>(c));
        const long double u = std::max(grid_.tolerance(c), rounding / std::max(curvature, 1e-300L));
        const double x = analysis::ShortestDecimal(static_cast<double>(c - u), static_cast<double>(c + u));
        long double y = 0;
        if (!f_(x, y) || (maximum ? y < p.y : y > p.y))
            return p;
        return {x, y == 0 ? 0.0L : y};
    }

    void domain() {
        for (const DomainPiece& piece : domain_.pieces)
            s_.domain.push_back(
                {piece.shownFrom, piece.shownTo, Valued(f_, piece.shownFrom), Valued(f_, piece.shownTo)});
        s_.noValue = domain_.points;
    }

    void parity() {
        const double xmin = s_.range.xmin;
        const double xmax = s_.range.xmax;
        if (!(xmin < 0 && xmax > 0))
            return;
        const double half = std::min(-xmin, xmax);
        s_.symmetricHalf = half;
        const std::size_t pairs = std::clamp(grid_.size() / 2, kMinParityPairs, kMaxParityPairs);
        bool even = true;
        bool odd = true;
        bool any = false;
        int checks = 0;
        for (std::size_t j = 1; j <= pairs && (even || odd); ++j) {
            if (Stopped(cancel_))
                return;
            const auto x = static_cast<double>(half * static_cast<long double>(j) / pairs);
            long double a = 0;
            long double b = 0;
            const bool hasA = f_(x, a);
            const bool hasB = f_(-x, b);
            ++checks;
            if (hasA != hasB) { // the domain is not symmetric
                even = odd = false;
            } else if (hasA) {
                any = true;
                const long double tolerance = kParityShare * std::max({std::fabs(a), std::fabs(b), typical_});
                even = even && std::fabs(a - b) <= tolerance;
                odd = odd && std::fabs(a + b) <= tolerance;
            }
            if (!even && !odd)
                s_.parityWitness = x;
        }
        s_.parityChecks = checks;
        if (!any && (even || odd))
            s_.parity = Parity::NotChecked;
        else if (even && odd)
            s_.parity = Parity::EvenAndOdd;
        else if (even)
            s_.parity = Parity::Even;
        else if (odd)
            s_.parity = Parity::Odd;
        else
            s_.parity = Parity::Neither;
    }

    void axes() {
        s_.zeroInRange = s_.range.xmin <= 0 && s_.range.xmax >= 0;
        long double y = 0;
        if (s_.zeroInRange && f_(0, y))
            s_.yIntercept = y == 0 ? 0.0L : y;
    }

    // The ends of a cell as the study shows them: a piece's own ends as the domain gives them.
    static double shownFrom(const SignCell& c, const DomainPiece& p) {
        return c.from == p.from ? p.shownFrom : c.from;
    }
    static double shownTo(const SignCell& c, const DomainPiece& p) { return c.to == p.to ? p.shownTo : c.to; }

    StudyInterval interval(double from, double to) const {
        return {from, to, Valued(f_, from), Valued(f_, to)};
    }

    void signs() {
        SampledSign sign{&f_, &fs_, std::vector<long double>(grid_.size(), kZeroShare * typical_)};
        sign.budget = &budget_;
        for (const DomainPiece& piece : domain_.pieces) {
            for (const SignCell& c : SignCells(sign, grid_, piece, zeros_, nullptr, cancel_)) {
                // The zeros inside a cell (touching ones) split it: f is 0 there.
                std::vector<double> ends{shownFrom(c, piece)};
                for (const double z : zeros_)
                    if (z > c.from && z < c.to)
                        ends.push_back(z);
                ends.push_back(shownTo(c, piece));
                for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
                    StudyInterval in = interval(ends[k], ends[k + 1]);
                    in.fromIncluded = in.fromIncluded && hasSign(ends[k], c.sign);
                    in.toIncluded = in.toIncluded && hasSign(ends[k + 1], c.sign);
                    (c.sign > 0 ? s_.positive : c.sign < 0 ? s_.negative : s_.zeroStretches).push_back(in);
                }
            }
        }
    }

    [[nodiscard]] bool hasSign(double x, int sign) const {
        long double y = 0;
        if (!f_(x, y))
            return false;
        if (sign == 0)
            return std::fabs(y) <= kZeroShare * typical_;
        return (y > 0 ? 1 : (y < 0 ? -1 : 0)) == sign && std::fabs(y) > kZeroShare * typical_;
    }

    void derivatives(const GraphDerivative& first, const GraphDerivative& second) {
        f2_ = Quiet(second.value);
        Samples s2;
        if (!sampleWhereValued(f1_, s1_) || !sampleWhereValued(f2_, s2))
            return;
        const long double typical1 = TypicalMagnitude(s1_);
        typical2_ = TypicalMagnitude(s2);
        SampledSign sign1{&f1_, &s1_, std::vector<long double>(grid_.size(), kZeroShare * typical1)};
        SampledSign sign2{&f2_, &s2, std::vector<long double>(grid_.size(), kZeroShare * typical2_)};
        sign1.budget = &budget_;
        sign2.budget = &budget_;
        const bool numeric1 = first.method == GraphDerivative::Method::Numeric;
        const bool numeric2 = second.method == GraphDerivative::Method::Numeric;
        // The tolerance of a numeric derivative is ten times its rounding; its step blurs a border.
        if (numeric1) {
            sign1.roundingShare = 0.1L;
            sign1.stepShare = kFirstStep;
            sign1.evaluationsPerCall = 2;
        }
        if (numeric2) {
            sign2.roundingShare = 0.1L;
            sign2.stepShare = kSecondStep;
            sign2.evaluationsPerCall = 3;
        }
        for (std::size_t i = 0; i < grid_.size(); ++i) {
            // The terms of f that round may be far larger than f (sin(2x) - 2 sin x cos x is 0 from terms
            // of size 1): at least 1.
            const long double size = std::max({fs_.has(i) ? std::fabs(fs_.y[i]) : 0.0L, typical_, 1.0L});
            const long double x1 = AtLeastOne(grid_[i]);
            if (numeric1)
                sign1.tolerance[i] = std::max(sign1.tolerance[i], kFirstRounding * size / x1);
            if (numeric2) {
                const long double size1 = std::max({s1_.has(i) ? std::fabs(s1_.y[i]) : 0.0L, typical1, size});
                // As DeriveGraphAgain takes it: differences of f' when f' is symbolic, of f otherwise.
                const long double rounding =
                    numeric1 ? kSecondRounding * size / (x1 * x1) : kFirstRounding * size1 / x1;
                sign2.tolerance[i] = std::max(sign2.tolerance[i], rounding);
            }
        }
        tolerance1_ = sign1.tolerance;
        findKinks();
        for (const DomainPiece& piece : domain_.pieces) {
            for (const SignCell& c : SignCells(sign1, grid_, piece, extrema_, nullptr, cancel_)) {
                const StudyInterval in = interval(shownFrom(c, piece), shownTo(c, piece));
                (c.sign > 0 ? s_.increasing : c.sign < 0 ? s_.decreasing : s_.constant).push_back(in);
            }
            std::vector<SignChange> changes;
            for (const SignCell& c : atKinks(SignCells(sign2, grid_, piece, {}, &changes, cancel_))) {
                const StudyInterval in = interval(shownFrom(c, piece), shownTo(c, piece));
                (c.sign > 0 ? s_.convexDown : c.sign < 0 ? s_.convexUp : s_.straight).push_back(in);
            }
            for (const SignChange& change : changes)
                inflection(change, piece);
        }
    }

    // f' jumps at x: a kink. f' is looked at a little beyond the step of a numeric f' on either side,
    // where a smooth f' differs by about twice that distance times f''.
    [[nodiscard]] bool kinkAt(double x) const {
        const long double e = std::min(10 * kSecondStep * AtLeastOne(x), grid_.step() / 4);
        const auto before = static_cast<double>(x - e);
        const auto after = static_cast<double>(x + e);
        long double left = 0;
        long double right = 0;
        if (!f1_(before, left) || !f1_(after, right))
            return true; // no slope on a side: nothing continuous to speak of
        long double curvature = typical2_;
        long double c = 0;
        if (f2_(before, c))
            curvature = std::max(curvature, std::fabs(c));
        if (f2_(after, c))
            curvature = std::max(curvature, std::fabs(c));
        return std::fabs(right - left) > kKinkFactor * 2 * e * curvature + tolerance1At(x);
    }

    [[nodiscard]] long double tolerance1At(double x) const { return tolerance1_[grid_.nearest(x)]; }

    void findKinks() {
        for (const double x : extrema_)
            if (kinkAt(x))
                kinks_.push_back(x);
    }

    // The kink near x, within the derivatives' step of it, or x.
    [[nodiscard]] double atKink(double x) const {
        const long double near = 3 * kSecondStep * AtLeastOne(x);
        const auto it = std::lower_bound(kinks_.begin(), kinks_.end(), x - near);
        return it != kinks_.end() && *it <= x + near ? *it : x;
    }

    // The convexity changes at a kink (|x^2-1| at 1): the graph is neither convex nor concave across it.
    // Numeric differences see the kink within their step of it, as a change of sign there: it is moved to
    // the kink; a kink inside a cell splits it.
    [[nodiscard]] std::vector<SignCell> atKinks(std::vector<SignCell> cells) const {
        std::vector<SignCell> split;
        for (SignCell c : cells) {
            c.from = atKink(c.from);
            c.to = atKink(c.to);
            for (const double k : kinks_) {
                if (k > c.from && k < c.to) {
                    split.push_back({c.from, k, c.sign});
                    c.from = k;
                }
            }
            split.push_back(c);
        }
        std::erase_if(split, [](const SignCell& c) { return !(c.to > c.from); });
        std::vector<SignCell> out;
        for (const SignCell& c : split) {
            const bool atKinkPoint = std::binary_search(kinks_.begin(), kinks_.end(), c.from);
            if (!out.empty() && out.back().sign == c.sign && out.back().to == c.from && !atKinkPoint)
                out.back().to = c.to;
            else
                out.push_back(c);
        }
        return out;
    }

    // An inflection where f'' changes sign, if f has a value there and f' does not jump.
    // Its y is rounded within what the uncertainty of x makes of it (tg at pi gives 0, not 9E-11).
    void inflection(const SignChange& change, const DomainPiece& piece) {
        const double x = change.x;
        if (!(x > piece.from && x < piece.to) || atKink(x) != x || kinkAt(x))
            return;
        long double y = 0;
        if (!f_(x, y))
            return;
        long double slope = 0;
        if (change.uncertainty > 0 && f1_(x, slope)) {
            const long double u = std::fabs(slope) * change.uncertainty;
            y = analysis::ShortestDecimal(static_cast<double>(y - u), static_cast<double>(y + u));
        }
        s_.inflections.push_back({x, y == 0 ? 0.0L : y});
    }

    // g at the samples where f has a value (elsewhere a derivative has none to give).
    bool sampleWhereValued(const GraphFunction& g, Samples& out) const {
        return SampleOnGrid(g, grid_, out, cancel_, &fs_);
    }

    void verticals() {
        std::vector<double> features = zeros_;
        features.insert(features.end(), extrema_.begin(), extrema_.end());
        for (const DomainBorder& b : domain_.borders)
            features.push_back(b.edge);
        for (const DomainBorder& b : domain_.borders) {
            if (Stopped(cancel_))
                return;
            const long double offset = std::fabs(static_cast<long double>(b.edge) - b.singular);
            // The nearest feature on the piece's side beyond the edge, and the piece's far end.
            long double far = b.side > 0 ? static_cast<long double>(s_.range.xmax) - b.singular
                                         : static_cast<long double>(b.singular) - s_.range.xmin;
            for (const double p : features)
                if (b.side * (static_cast<long double>(p) - b.edge) > grid_.tolerance(p))
                    far = std::min(far, std::fabs(static_cast<long double>(p) - b.singular));
            const long double reach = std::min((offset + far) / 2, offset + grid_.span() / 4);
            const Approach a = ApproachPoint(f_, grid_, b.singular, b.side, reach, typical_, budget_);
            approached_.insert(approached_.end(), a.values.begin(), a.values.end());
            s_.unboundedAbove = s_.unboundedAbove || a.aboveBound || a.sign > 0;
            s_.unboundedBelow = s_.unboundedBelow || a.belowBound || a.sign < 0;
            if (!a.grows)
                continue;
            const double x = b.singular == b.edge ? RoundedBorder(grid_, b.edge) : b.singular;
            auto it = std::find_if(s_.verticals.begin(), s_.verticals.end(), [&](const VerticalAsymptote& v) {
                return std::fabs(static_cast<long double>(v.x) - x) <= grid_.tolerance(x);
            });
            if (it == s_.verticals.end()) {
                s_.verticals.push_back({x, 0, 0});
                it = s_.verticals.end() - 1;
            }
            (b.side > 0 ? it->right : it->left) = a.sign;
        }
        std::sort(s_.verticals.begin(), s_.verticals.end(),
                  [](const VerticalAsymptote& a, const VerticalAsymptote& b) { return a.x < b.x; });
    }

    void slants() {
        const long double start =
            kSlantStart * std::max({1.0L, std::fabs(static_cast<long double>(s_.range.xmin)),
                                    std::fabs(static_cast<long double>(s_.range.xmax))});
        s_.towardsPlus = EstimateSlant(f_, +1, start, cancel_);
        s_.towardsMinus = EstimateSlant(f_, -1, start, cancel_);
    }

    void values() {
        long double least = std::numeric_limits<long double>::infinity();
        long double greatest = -least;
        const auto take = [&](long double y) {
            least = std::min(least, y);
            greatest = std::max(greatest, y);
        };
        for (std::size_t i = 0; i < grid_.size(); ++i)
            if (fs_.has(i))
                take(fs_.y[i]);
        for (const auto* list : {&s_.minima, &s_.maxima, &s_.inflections})
            for (const StudyPoint& p : *list)
                take(p.y);
        for (const DomainPiece& piece : domain_.pieces)
            for (const double x : {piece.from, piece.to}) {
                long double y = 0;
                if (f_(x, y))
                    take(y);
            }
        for (const long double y : approached_)
            take(y);
        s_.hasValues = least <= greatest;
        if (s_.hasValues) { // values within rounding of 0 are 0, as they are for the zeros
            const long double zero = kZeroShare * typical_;
            s_.least = std::fabs(least) <= zero ? 0.0L : least;
            s_.greatest = std::fabs(greatest) <= zero ? 0.0L : greatest;
        }
    }

    const std::string& formula_;
    const GraphFunction f_;
    const StudyGrid grid_;
    const std::atomic<bool>* cancel_;
    FunctionStudy s_;
    Samples fs_;
    long double typical_ = 0;
    std::vector<double> zeros_;
    std::vector<double> extrema_; // the x of the minima and maxima, sorted
    std::vector<double> kinks_;   // the extrema where f' jumps
    Domain domain_;
    GraphFunction f1_;
    bool symbolic1_ = false;
    GraphFunction f2_;
    Samples s1_;
    std::vector<long double> tolerance1_; // f' within it of 0 is 0 up to rounding
    long double typical2_ = 0;
    std::vector<long double> approached_; // values of f near the borders of the domain
    StudyBudget budget_;
};

} // namespace

FunctionStudy StudyFunction(const std::string& formula, const AnalysisRange& range,
                            const std::atomic<bool>* cancel) {
    return Study(formula, range, cancel).run();
}

} // namespace orvex
