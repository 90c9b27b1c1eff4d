#include "SignCells.h"

#include "ShortestDecimal.h"

#include <algorithm>
#include <cmath>

namespace orvex::study {

namespace {

constexpr int kStretch = 2; // the label of a sample in a stretch of 0
constexpr int kTouch = 3;   // an isolated exact 0
constexpr std::size_t kMinStretch = 3;

int signOf(long double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

double middle(double a, double b) {
    return static_cast<double>(static_cast<long double>(a) + (static_cast<long double>(b) - a) / 2);
}

class CellFinder {
  public:
    CellFinder(const SampledSign& g, const StudyGrid& grid, const std::vector<double>& snaps)
        : g_(g), grid_(grid), snaps_(snaps) {}

    std::vector<SignCell> cells(const DomainPiece& piece, std::vector<SignChange>* changes,
                                const std::atomic<bool>* cancel) {
        std::vector<SignCell> out;
        if (piece.first > piece.last)
            return singleValue(piece);
        for (std::size_t i = piece.first; i <= piece.last; ++i)
            if (g_.samples->has(i))
                idx_.push_back(i);
        if (idx_.empty())
            return out;
        label();
        // Groups of equal labels, isolated zeros skipped.
        struct Group {
            int label;
            std::size_t first; // positions in idx_
            std::size_t last;
        };
        std::vector<Group> groups;
        for (std::size_t k = 0; k < idx_.size(); ++k) {
            if (labels_[k] == kTouch)
                continue;
            if (!groups.empty() && groups.back().label == labels_[k])
                groups.back().last = k;
            else
                groups.push_back({labels_[k], k, k});
        }
        if (groups.empty()) { // only isolated zeros: nothing to say about a sign
            return out;
        }
        double from = piece.from;
        for (std::size_t j = 0; j + 1 < groups.size(); ++j) {
            if (Stopped(cancel))
                return out;
            const std::size_t a = idx_[groups[j].last];
            const std::size_t b = idx_[groups[j + 1].first];
            const int la = groups[j].label;
            const int lb = groups[j + 1].label;
            double at = 0;
            if (la != kStretch && lb != kStretch) {
                double uncertainty = 0;
                at = crossing(a, b, la, uncertainty);
                if (changes != nullptr)
                    changes->push_back({at, la, lb, uncertainty});
            } else {
                at = stretchBorder(a, b, la == kStretch);
            }
            at = std::clamp(at, from, piece.to);
            out.push_back({from, at, la == kStretch ? 0 : la});
            from = at;
        }
        out.push_back({from, piece.to, groups.back().label == kStretch ? 0 : groups.back().label});
        std::erase_if(out, [](const SignCell& c) { return !(c.to > c.from); });
        return out;
    }

  private:
    // A piece without samples (narrower than the grid's step): the sign at its middle.
    std::vector<SignCell> singleValue(const DomainPiece& piece) const {
        long double y = 0;
        if (!(piece.to > piece.from) || !ValueAt(*g_.g, middle(piece.from, piece.to), y) || y == 0)
            return {};
        return {{piece.from, piece.to, signOf(y)}};
    }

    [[nodiscard]] bool spend() const {
        return g_.budget == nullptr || g_.budget->spend(g_.evaluationsPerCall);
    }
    [[nodiscard]] long double value(std::size_t k) const { return g_.samples->y[idx_[k]]; }
    [[nodiscard]] long double tolerance(std::size_t k) const { return g_.tolerance[idx_[k]]; }
    [[nodiscard]] long double toleranceAt(double x) const { return g_.tolerance[grid_.nearest(x)]; }

    void label() {
        const std::size_t n = idx_.size();
        labels_.assign(n, 0);
        for (std::size_t k = 0; k < n; ++k)
            labels_[k] = value(k) == 0 ? kTouch : signOf(value(k));
        for (std::size_t k = 0; k < n;) {
            if (std::fabs(value(k)) > tolerance(k)) {
                ++k;
                continue;
            }
            std::size_t end = k;
            while (end + 1 < n && std::fabs(value(end + 1)) <= tolerance(end + 1))
                ++end;
            const std::size_t length = end - k + 1;
            std::size_t exact = 0;
            std::size_t flips = 0;
            int last = 0;
            for (std::size_t j = k; j <= end; ++j) {
                const int s = signOf(value(j));
                if (s == 0) {
                    ++exact;
                    continue;
                }
                if (last != 0 && s != last)
                    ++flips;
                last = s;
            }
            const bool stretch = length >= kMinStretch &&
                                 (exact == length || flips >= 2 || (exact >= 2 && 2 * exact >= length));
            if (stretch)
                std::fill(labels_.begin() + static_cast<std::ptrdiff_t>(k),
                          labels_.begin() + static_cast<std::ptrdiff_t>(end) + 1, kStretch);
            k = end + 1;
        }
    }

    // A point of `snaps` between two samples, the one nearest their middle.
    [[nodiscard]] bool snapBetween(double a, double b, double& at) const {
        const auto first = std::lower_bound(snaps_.begin(), snaps_.end(), a);
        bool found = false;
        const long double mid = (static_cast<long double>(a) + b) / 2;
        for (auto it = first; it != snaps_.end() && *it <= b; ++it) {
            if (!found || std::fabs(*it - mid) < std::fabs(at - mid))
                at = *it;
            found = true;
        }
        return found;
    }

    double crossing(std::size_t ia, std::size_t ib, int signA, double& uncertainty) const {
        const double a = grid_[ia];
        const double b = grid_[ib];
        double at = 0;
        uncertainty = 0;
        if (snapBetween(a, b, at))
            return at;
        double lo = a;
        double hi = b;
        for (int k = 0; k < 200 && hi - lo > grid_.tolerance(hi) && spend(); ++k) {
            const double m = middle(lo, hi);
            if (m <= lo || m >= hi)
                break;
            long double y = 0;
            if (!ValueAt(*g_.g, m, y) || y == 0) { // no value (a pole, a kink of a numeric derivative) or 0
                lo = hi = m;
                break;
            }
            (signOf(y) == signA ? lo : hi) = m;
        }
        // Digits beyond what the values' rounding allows say nothing: round within it.
        const long double slope =
            std::fabs(g_.samples->y[ib] - g_.samples->y[ia]) / (static_cast<long double>(b) - a);
        const double c = middle(lo, hi);
        long double u = grid_.tolerance(c);
        if (slope > 0)
            u = std::max(u, g_.roundingShare * toleranceAt(c) / slope);
        u = std::min(u, static_cast<long double>(b - a) / 4);
        uncertainty = static_cast<double>(u);
        // The shortest decimal within a fifth of the uncertainty stays near the middle of it.
        return analysis::ShortestDecimal(static_cast<double>(c - u / 5), static_cast<double>(c + u / 5));
    }

    // Between a sample in a stretch of 0 and one outside it (`stretchFirst`: the first is in it).
    double stretchBorder(std::size_t ia, std::size_t ib, bool stretchFirst) const {
        const double a = grid_[ia];
        const double b = grid_[ib];
        double at = 0;
        if (snapBetween(a, b, at))
            return at;
        double lo = a; // on the side of a
        double hi = b;
        for (int k = 0; k < 200 && hi - lo > grid_.tolerance(hi) && spend(); ++k) {
            const double m = middle(lo, hi);
            if (m <= lo || m >= hi)
                break;
            long double y = 0;
            const bool inStretch = !ValueAt(*g_.g, m, y) || std::fabs(y) <= toleranceAt(m);
            (inStretch == stretchFirst ? lo : hi) = m;
        }
        const double c = middle(lo, hi);
        long double u = std::max(grid_.tolerance(c),
                                 2 * g_.stepShare * std::max(1.0L, std::fabs(static_cast<long double>(c))));
        u = std::min(u, static_cast<long double>(b - a) / 4);
        return analysis::ShortestDecimal(static_cast<double>(c - u), static_cast<double>(c + u));
    }

    const SampledSign& g_;
    const StudyGrid& grid_;
    const std::vector<double>& snaps_;
    std::vector<std::size_t> idx_; // the piece's samples where g has a value
    std::vector<int> labels_;
};

} // namespace

std::vector<SignCell> SignCells(const SampledSign& g, const StudyGrid& grid, const DomainPiece& piece,
                                const std::vector<double>& snaps, std::vector<SignChange>* changes,
                                const std::atomic<bool>* cancel) {
    CellFinder finder(g, grid, snaps);
    return finder.cells(piece, changes, cancel);
}

} // namespace orvex::study
