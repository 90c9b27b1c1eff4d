// The compiled evaluator against the text evaluator, bit for bit: for pseudo-random formulas at random
// and awkward x, PreparedFormula::valueAt gives the same flag, value bits and error as
// EvaluateExpression(SubstituteVariable(...)), under both separators. ORVEX_DIFFERENTIAL_COMPARISONS and
// ORVEX_DIFFERENTIAL_SEED set the number of comparisons of compiled formulas and the seed
// (scripts/differential.sh).
#include "EvaluatorTestSupport.h"
#include "PreparedFormula.h"

#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <random>

#ifndef ORVEX_DIFFERENTIAL_COMPARISONS
#define ORVEX_DIFFERENTIAL_COMPARISONS 1000000
#endif

namespace orvex::test {
namespace {

constexpr std::array<std::string_view, 19> kFunctions = {
    "ch",  "sh",  "ach",    "ash",    "sin",   "sqrt",   "sec", "csec", "cos", "tg",
    "ctg", "tgh", "arcsin", "arccos", "arctg", "arcctg", "abs", "ln",   "lg"};
constexpr std::array<std::string_view, 16> kNumbers = {
    "0",   "1",  "2",  "3",   "10",    "0.5",  "2,5",       "1.5",
    "100", ".5", "5.", "360", "0.001", "1,01", "12345.678", "123456789012"};
constexpr std::string_view kOperators = "++--**//^^:";

const long double kPi = std::numbers::pi_v<long double>;
// Where number texts change notation (1E-5, 1E15), at the tolerance 1e-10, at poles, at the ends of the
// range and beyond (infinities, NaN); the neighbours of the edges are added below.
const std::vector<long double> kAwkwardX = [] {
    // clang-format off
    std::vector<long double> xs = {
        0.0L, -0.0L, 1, -1, 2, -3, 0.5L, -2.5L, 100, 11356, 11357.5L, -20000, 3000000001.0L,
        0.00001L, 0.000099999999999999999L, 999999999999999.0L, 999999999999999.5L, 999999999999999.49L,
        1e16L, 1e-11L, 1e300L, 1e2000L, -1e4930L, LDBL_MAX, -LDBL_MAX, 1e-300L, 1e-4940L, LDBL_MIN,
        LDBL_TRUE_MIN, 1.5707963267949L, 1.57079632679L, 1.5707963267L, 1.570796326L,
        HUGE_VALL, -HUGE_VALL, NAN};
    // clang-format on
    for (const long double edge : {0.0001L, 1e-10L, 1e15L, kPi / 2, kPi, 3 * kPi / 2})
        xs.insert(xs.end(), {edge, std::nextafter(edge, 0.0L), std::nextafter(edge, 1e20L), -edge});
    return xs;
}();

// Formulas from a grammar over the function table, the operators, brackets, bars (not nested: they pair
// from left to right), pi, numbers with either separator, arguments with and without brackets, signs,
// blanks and capitals. Some get slips (lost or stray characters, "2x", operands side by side, a sign
// after an operator); some are byte strings. The same sequence for the same seed.
class FormulaGenerator {
  public:
    enum Kind { Plain, WithSlips, Bytes };

    explicit FormulaGenerator(std::uint64_t seed) : random_(seed) {}

    std::string next(Kind& kind) {
        const unsigned roll = below(10);
        kind = roll == 0 ? Bytes : roll <= 3 ? WithSlips : Plain;
        if (kind == Bytes) {
            std::string bytes(below(56), ' ');
            for (char& c : bytes)
                c = chance(10) ? static_cast<char>(random_())
                               : "xx0123456789.,+-*/^()|: sincotghaqrlpe#"[below(39)];
            return bytes;
        }
        std::string formula = expression(static_cast<int>(1 + below(3)));
        if (chance(10))
            for (std::size_t i = formula.size(); i-- > 0;)
                if (kOperators.find(formula[i]) != std::string_view::npos)
                    formula.insert(i, " ");
        if (chance(5))
            for (char& c : formula)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (kind == WithSlips)
            for (int slips = chance(30) ? 2 : 1; slips > 0; --slips)
                slip(formula);
        return formula;
    }

    long double nextX() {
        if (chance(40))
            return kAwkwardX[below(static_cast<unsigned>(kAwkwardX.size()))];
        const long double sign = chance(50) ? -1 : 1;
        const unsigned kind = below(20);
        if (kind < 3) // an integer
            return sign * below(2001);
        if (kind < 8) // a point of a plotting pass
            return -10.0 + 0.01 * below(2001);
        if (kind < 11) // any magnitude
            return sign * std::pow(10.0L, static_cast<long double>(below(100000)) / 1000 - 40);
        if (kind < 12) // any finite value (rarely: texts of huge exponents are slow to write and read)
            return sign * std::ldexp(1 + static_cast<long double>(random_() >> 1) * 0x1p-63L,
                                     static_cast<int>(below(32760)) - 16380);
        if (kind < 15) // near a pole of tg, ctg, sec or csec
            return below(41) * kPi / 2 + sign * std::pow(10.0L, -static_cast<long double>(below(16)));
        return sign * static_cast<long double>(below(1000000)) / 1000;
    }

  private:
    unsigned below(unsigned n) { return static_cast<unsigned>(random_() % n); }
    bool chance(unsigned percent) { return below(100) < percent; }

    std::string expression(int depth) {
        const unsigned sign = below(100);
        std::string out = sign < 15 ? "-" : sign < 18 ? "+" : sign < 20 ? "--" : "";
        for (unsigned t = 0, terms = 1 + below(depth > 1 ? 4 : 3); t < terms; ++t) {
            if (t > 0)
                out += kOperators[below(static_cast<unsigned>(kOperators.size()))];
            out += term(depth);
        }
        return out;
    }

    std::string term(int depth) {
        const unsigned kind = below(depth > 0 ? 12 : 6);
        const std::string function(kFunctions[below(static_cast<unsigned>(kFunctions.size()))]);
        if (kind <= 2)
            return "x";
        if (kind == 3)
            return std::string(kNumbers[below(static_cast<unsigned>(kNumbers.size()))]);
        if (kind == 4)
            return "pi";
        if (kind == 5)
            return function + (chance(30) ? " x" : "x");
        if (kind <= 7 || (kind == 11 && inBars_))
            return "(" + expression(depth - 1) + ")";
        if (kind <= 10)
            return function + "(" + expression(depth - 1) + ")";
        inBars_ = true;
        const std::string inside = expression(depth - 1);
        inBars_ = false;
        return "|" + inside + "|";
    }

    // One slip at a random place: where the chosen character is missing, nothing happens.
    void slip(std::string& formula) {
        const auto at = below(static_cast<unsigned>(formula.size() + 1));
        auto find = [&](std::string_view set) { return formula.find_first_of(set, at); };
        std::size_t p = 0;
        switch (below(8)) {
        case 0: // a closing bracket or a bar lost
            if ((p = find(")|")) != std::string::npos)
                formula.erase(p, 1);
            break;
        case 1: // a digit or separator against x
            if ((p = find("x")) != std::string::npos)
                formula.insert(p + below(2), 1, "2.5"[below(3)]);
            break;
        case 2: // operands side by side
            if ((p = find("(xsclatp|")) != std::string::npos)
                formula.insert(p, chance(50) ? "2" : "x");
            break;
        case 3: // a sign after an operator
            if ((p = find("+-*/^:")) != std::string::npos)
                formula.insert(p + 1, 1, "+-"[below(2)]);
            break;
        case 4: // a stray character, "e" as if it were an exponent
            formula.insert(at, 1, "#e!)(.,|^*\xE0\xFF\t"[below(14)]);
            break;
        case 5: // a doubled character
            if (at < formula.size())
                formula.insert(at, 1, formula[at]);
            break;
        case 6: // a lost character
            if (at < formula.size())
                formula.erase(at, 1);
            break;
        default: // an empty bracket pair
            formula.insert(at, "()");
        }
    }

    std::mt19937_64 random_;
    bool inBars_ = false;
};

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    std::uint64_t value = 0;
    if (text == nullptr || std::from_chars(text, text + std::strlen(text), value).ec != std::errc())
        return fallback;
    return value;
}

// "v " and the 80 bits of the value, "no value", or "error " and the error's kind and message.
template <class Evaluate> std::string Outcome(Evaluate evaluate) {
    long double value = 0;
    try {
        if (!evaluate(value))
            return "no value";
    } catch (const ArithmeticError& e) {
        return "error " + std::to_string(static_cast<int>(e.kind())) + " " + e.what();
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    char text[64];
    std::snprintf(text, sizeof text, "v %.21Lg %02x%02x:%02x%02x%02x%02x%02x%02x%02x%02x", value, bytes[9],
                  bytes[8], bytes[7], bytes[6], bytes[5], bytes[4], bytes[3], bytes[2], bytes[1], bytes[0]);
    return text;
}

TEST(DifferentialTest, CompiledPathEqualsTextPath) {
    const std::uint64_t wanted = Setting("ORVEX_DIFFERENTIAL_COMPARISONS", ORVEX_DIFFERENTIAL_COMPARISONS);
    const std::uint64_t seed = Setting("ORVEX_DIFFERENTIAL_SEED", 20240611);
    FormulaGenerator generator(seed);
    std::uint64_t formulas[3] = {};
    std::uint64_t compiled[3] = {};
    std::uint64_t comparisons = 0;
    std::uint64_t compiledComparisons = 0;
    for (std::uint64_t n = 0; compiledComparisons < wanted; ++n) {
        FormulaGenerator::Kind kind{};
        const std::string text = generator.next(kind);
        const SeparatorScope scope(n % 2 == 0 ? ',' : '.');
        const PreparedFormula formula(text);
        ++formulas[kind];
        compiled[kind] += formula.isCompiled() ? 1 : 0;
        // A refused formula takes the text path itself: a couple of samples suffice there.
        for (int s = formula.isCompiled() ? 24 : 2; s > 0; --s) {
            const long double x = generator.nextX();
            const std::string fast = Outcome([&](long double& v) { return formula.valueAt(x, v); });
            const std::string reference = Outcome([&](long double& v) {
                return EvaluateExpression(SubstituteVariable(formula.text(), 'x', x), v);
            });
            ++comparisons;
            compiledComparisons += formula.isCompiled() ? 1 : 0;
            ASSERT_EQ(fast, reference) << "formula " << ::testing::PrintToString(text) << " prepared "
                                       << ::testing::PrintToString(formula.text()) << " separator "
                                       << DecimalSeparator() << " x " << static_cast<double>(x);
        }
    }
    std::printf("seed %llu: %llu comparisons, %llu of them on compiled formulas\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(comparisons),
                static_cast<unsigned long long>(compiledComparisons));
    const char* const names[] = {"plain", "with slips", "byte strings"};
    for (int k = 0; k < 3; ++k)
        std::printf("  %-12s formulas %9llu, compiled %9llu (%.2f%%)\n", names[k],
                    static_cast<unsigned long long>(formulas[k]),
                    static_cast<unsigned long long>(compiled[k]),
                    formulas[k] == 0 ? 0.0 : 100.0 * static_cast<double>(compiled[k]) / formulas[k]);
}

} // namespace
} // namespace orvex::test
