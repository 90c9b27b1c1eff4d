#include "FunctionTable.h"

#include "Arithmetic.h"
#include "ArithmeticError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace orvex::detail {

namespace {

enum Function {
    Ch,
    Sh,
    Ach,
    Ash,
    Sin,
    Sqrt,
    Sec,
    Csec,
    Cos,
    Tg,
    Ctg,
    Tgh,
    Arcsin,
    Arccos,
    Arctg,
    Arcctg,
    Abs,
    Ln,
    Lg
};

// Search order matters: see FindFunction.
constexpr std::array<std::string_view, 19> kNames = {
    "ch",  "sh",  "ach",    "ash",    "sin",   "sqrt",   "sec", "csec", "cos", "tg",
    "ctg", "tgh", "arcsin", "arccos", "arctg", "arcctg", "abs", "ln",   "lg"};

constexpr long double kTiny = 1e-16L;       // sh, ch and tgh are exact below this
constexpr long double kTrigLimit = 0x1p63L; // sine and cosine are 0 from here on
constexpr long double kAshDirect = 1e20L;   // beyond, sqrt(v*v + 1) equals |v| in extended precision

// For each byte, the table positions of the names that start with it.
using Candidates = std::vector<int>;
const std::array<Candidates, 256> kNamesByFirstLetter = [] {
    std::array<Candidates, 256> byLetter{};
    for (std::size_t k = 0; k < kNames.size(); ++k)
        byLetter[static_cast<unsigned char>(kNames[k][0])].push_back(static_cast<int>(k));
    return byLetter;
}();

// pi/2 in three parts; the first two have 43 significant bits, so n times them is exact for the
// quadrant numbers n below 2^20 that the quick reduction allows.
constexpr long double kHalfPi1 = 0xc90fdaa221600000p-63L;
constexpr long double kHalfPi2 = 0x8c234c4c66200000p-107L;
constexpr long double kHalfPi3 = 0x8b80dc1cd129024ep-151L;
constexpr long double kTwoOverPi = 0xa2f9836e4e44152ap-64L;
constexpr long double kQuarterPi = 0.785398163397448309615660845819875721L;
constexpr long double kQuickReductionLimit = 1e6L;

// v = quadrant * pi/2 + r with |r| <= about pi/4, where the library's sine and cosine are quick (its
// own reduction of larger arguments is many times slower). False for |v| beyond the quick range.
bool reduceToQuadrant(long double v, long double& r, unsigned& quadrant) {
    if (std::fabs(v) <= kQuarterPi) {
        r = v;
        quadrant = 0;
        return true;
    }
    if (std::fabs(v) > kQuickReductionLimit)
        return false;
    const long double n = NearestInteger(v * kTwoOverPi);
    r = ((v - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
    quadrant = static_cast<unsigned>(IntegralToInteger(n)) & 3U;
    return true;
}

long double sine(long double v) {
    if (std::fabs(v) >= kTrigLimit)
        return 0;
    long double r = 0;
    unsigned quadrant = 0;
    if (!reduceToQuadrant(v, r, quadrant))
        return std::sin(v);
    switch (quadrant) {
    case 0:
        return std::sin(r);
    case 1:
        return std::cos(r);
    case 2:
        return -std::sin(r);
    default:
        return -std::cos(r);
    }
}

long double cosine(long double v) {
    if (std::fabs(v) >= kTrigLimit)
        return 0;
    long double r = 0;
    unsigned quadrant = 0;
    if (!reduceToQuadrant(v, r, quadrant))
        return std::cos(v);
    switch (quadrant) {
    case 0:
        return std::cos(r);
    case 1:
        return -std::sin(r);
    case 2:
        return -std::cos(r);
    default:
        return std::sin(r);
    }
}

// e^v, raising overflow when it leaves the extended range.
long double exponential(long double v) {
    const long double e = std::exp(v);
    if (std::isinf(e))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return e;
}

long double hyperbolicCosine(long double v) {
    if (std::fabs(v) <= kTiny)
        return 1;
    return Checked((exponential(v) + exponential(-v)) / 2);
}

long double hyperbolicSine(long double v) {
    if (std::fabs(v) <= kTiny)
        return 0;
    return Checked((exponential(v) - exponential(-v)) / 2);
}

// ln(v + sqrt(v*v + 1)), taken on |v| with the sign restored: for negative v the sum would cancel
// to 0 (ln 0) well before the result is large.
long double inverseHyperbolicSine(long double v) {
    const long double a = std::fabs(v);
    const long double magnitude =
        a > kAshDirect ? std::log(a) + std::log(2.0L) : std::log(a + std::sqrt(a * a + 1));
    return Checked(v < 0 ? -magnitude : magnitude);
}

} // namespace

bool IsFunctionName(std::string_view name) {
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

std::optional<FunctionMatch> FindFunction(std::string_view text) {
    std::optional<FunctionMatch> best;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto& candidates = kNamesByFirstLetter[static_cast<unsigned char>(text[i])];
        if (candidates.empty())
            continue;
        const std::string_view rest = text.substr(i);
        for (const int k : candidates) {
            if (best && k <= best->index)
                continue;
            const std::string_view name = kNames[static_cast<std::size_t>(k)];
            if (rest.starts_with(name))
                best = FunctionMatch{k, i, name.size()};
        }
    }
    return best;
}

bool ApplyFunction(int index, const long double& argument, long double& result) {
    const long double v = argument;
    switch (static_cast<Function>(index)) {
    case Ch:
        result = hyperbolicCosine(v);
        return true;
    case Sh:
        result = hyperbolicSine(v);
        return true;
    case Ach:
        if (v < 1)
            return false;
        result = Checked(std::log(Checked(v + Checked(std::sqrt((v - 1) / (v + 1)) * (v + 1)))));
        return true;
    case Ash:
        result = inverseHyperbolicSine(v);
        return true;
    case Sin:
        result = sine(v);
        return true;
    case Sqrt:
        if (v < 0)
            return false;
        result = std::sqrt(v);
        return true;
    case Sec: {
        const long double c = cosine(v);
        if (std::fabs(c) < kTolerance)
            return false;
        result = 1 / c;
        return true;
    }
    case Csec: {
        const long double s = sine(v);
        if (std::fabs(s) < kTolerance)
            return false;
        result = 1 / s;
        return true;
    }
    case Cos:
        result = cosine(v);
        return true;
    case Tg: {
        const long double c = cosine(v);
        if (std::fabs(c) < kTolerance)
            return false;
        result = sine(v) / c;
        return true;
    }
    case Ctg: {
        const long double s = sine(v);
        if (std::fabs(s) < kTolerance)
            return false;
        result = cosine(v) / s;
        return true;
    }
    case Tgh:
        result = std::fabs(v) <= kTiny ? 0 : Checked(hyperbolicSine(v) / hyperbolicCosine(v));
        return true;
    case Arcsin:
        if (std::fabs(v) > 1)
            return false;
        result = std::asin(v);
        return true;
    case Arccos:
        if (std::fabs(v) > 1)
            return false;
        result = std::acos(v);
        return true;
    case Arctg:
        result = std::atan(v);
        return true;
    case Arcctg:
        if (v == 0)
            return false;
        result = std::atan(1 / v);
        return true;
    case Abs:
        result = std::fabs(v);
        return true;
    case Ln:
        if (v < kTolerance)
            return false;
        result = std::log(v);
        return true;
    case Lg:
        if (v <= 0)
            return false;
        result = Checked(std::log10(v));
        return true;
    }
    return false;
}

} // namespace orvex::detail
