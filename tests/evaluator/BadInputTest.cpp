// Any byte string as a formula gives a value, no value, or one of the three arithmetic errors; never
// a crash, a hang or another exception. Deterministic, bounded pseudo-random texts.
#include "EvaluatorTestSupport.h"

#include <cmath>
#include <random>

namespace orvex::test {
namespace {

// Evaluates one text, failing the test on anything but a finite value, no value or an ArithmeticError.
void EvaluateSafely(std::string_view text) {
    long double value = 0;
    try {
        ASSERT_TRUE(!EvaluateExpression(text, value) || std::isfinite(value)) << '"' << text << '"';
    } catch (const ArithmeticError&) {
    }
}

const std::vector<std::string_view> kFunctions = {"ch",    "sh",     "ach", "ash", "sin", "sqrt",   "sec",
                                                  "csec",  "cos",    "tg",  "ctg", "tgh", "arcsin", "arccos",
                                                  "arctg", "arcctg", "abs", "ln",  "lg"};
const std::vector<std::string_view> kAtoms = {"x", "x", "0", "1", "2,5", "9999", "0.001", "pi", "|x|", "2x"};
const std::string_view kOperators = "+-*/^:";
const std::string_view kNoise = "#()|^- ,e\xF0\xFF";

// A well-formed formula, so that the arithmetic (and its faults) is reached.
std::string RandomExpression(std::mt19937& random, int depth) {
    std::string out = random() % 5 == 0 ? "-" : "";
    for (unsigned t = 0, terms = 1 + random() % 3; t < terms; ++t) {
        if (t > 0)
            out += kOperators[random() % kOperators.size()];
        const auto kind = depth > 0 ? random() % 3 : 0;
        if (kind == 1)
            out += kFunctions[random() % kFunctions.size()];
        out += kind == 0 ? std::string(kAtoms[random() % kAtoms.size()])
                         : "(" + RandomExpression(random, depth - 1) + ")";
    }
    return out;
}

// Random formulas, some with a stray character, some of raw bytes: prepared and evaluated at several x,
// and evaluated raw as if a caller skipped preparation. The atoms hold both separators.
TEST(BadInputTest, RandomFormulas) {
    const SeparatorScope scope(',');
    const long double xs[] = {0, -1.5L, 1e-5L, 3, -7e300L, 1e4000L, 123456.789L};
    std::mt19937 random(2024);
    for (int i = 0; i < 5000; ++i) {
        std::string formula;
        if (i % 4 == 0) {
            formula.resize(random() % 51);
            for (char& c : formula)
                c = static_cast<char>(random() % 256);
        } else {
            formula = RandomExpression(random, 3);
            if (i % 4 == 1)
                formula.insert(random() % (formula.size() + 1), 1, kNoise[random() % kNoise.size()]);
        }
        ASSERT_NO_FATAL_FAILURE(EvaluateSafely(formula));
        PrepareFormula(formula, "x");
        ASSERT_LE(formula.size(), kMaxFormulaLength) << formula;
        for (const long double x : xs)
            ASSERT_NO_FATAL_FAILURE(EvaluateSafely(SubstituteVariable(formula, 'x', x))) << formula;
    }
}

// Texts far longer than any formula: thousands of signs, brackets, "#" and digits.
TEST(BadInputTest, ExtremeTexts) {
    const SeparatorScope scope(',');
    const std::string one = "#1#";
    for (const std::string& text :
         {std::string(5001, '-') + "+" + one + std::string(3000, '+'), std::string(3000, ')'),
          "sin" + std::string(4000, '#'), "#" + std::string(10000, '9') + "#",
          "#0," + std::string(10000, '0') + "1#", std::string("#1E999999999999999999999#"),
          std::string(2000, '^'), one + std::string(1000, '*') + one})
        ASSERT_NO_FATAL_FAILURE(EvaluateSafely(text)) << text.substr(0, 20);

    long double value = 0;
    EXPECT_TRUE(EvaluateExpression(std::string(5000, '-') + one, value) && value == 1);
    EXPECT_TRUE(EvaluateExpression(std::string(200, '(') + one, value) && value == 1);
    EXPECT_FALSE(EvaluateExpression(std::string(100000, '(') + one, value)); // deeper than any formula
}

} // namespace
} // namespace orvex::test
