// Any byte string as a formula gives a value, no value, or one of the three arithmetic errors; never
// a crash, a hang or another exception. Deterministic, bounded pseudo-random texts.
#include "EvaluatorTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

namespace orvex::test {
namespace {

constexpr std::array<std::string_view, 36> kPieces = {
    "x",  "x",   "1",   "0",   "9",      "2,5",  ".",  ",",  "+",    "-",    "*",    "/",
    ":",  "^",   "(",   ")",   "|",      "#",    " ",  "pi", "e",    "E",    "sin",  "cos",
    "tg", "ctg", "ach", "ash", "arcctg", "csec", "ln", "lg", "sqrt", "\xF0", "\x80", "\xFF"};

// Evaluates one text, failing the test on anything but a value, no value or an ArithmeticError.
void evaluateSafely(std::string_view text) {
    long double value = 0;
    try {
        if (EvaluateExpression(text, value)) {
            ASSERT_TRUE(std::isfinite(value)) << '"' << text << '"';
        }
    } catch (const ArithmeticError&) {
    }
}

void checkFormula(const std::string& formula) {
    constexpr std::array<long double, 7> xs = {0, -1.5L, 1e-5L, 3, -7e300L, 1e4000L, 123456.789L};
    std::string prepared = formula;
    PrepareFormula(prepared, "x");
    ASSERT_LE(prepared.size(), kMaxFormulaLength) << '"' << formula << '"';
    for (const long double x : xs)
        ASSERT_NO_FATAL_FAILURE(evaluateSafely(SubstituteVariable(prepared, 'x', x)))
            << '"' << formula << '"';
}

constexpr std::array<std::string_view, 19> kFunctions = {
    "ch",  "sh",  "ach",    "ash",    "sin",   "sqrt",   "sec", "csec", "cos", "tg",
    "ctg", "tgh", "arcsin", "arccos", "arctg", "arcctg", "abs", "ln",   "lg"};
constexpr std::array<std::string_view, 8> kAtoms = {"x", "x", "0", "1", "2,5", "9999", "0,001", "pi"};
constexpr std::array<std::string_view, 6> kOperators = {"+", "-", "*", "/", "^", ":"};

// A formula that is mostly well formed, so that the arithmetic (and its faults) is reached.
std::string randomExpression(std::mt19937& random, int depth) {
    std::string out;
    const auto terms = 1 + random() % 3;
    for (unsigned t = 0; t < terms; ++t) {
        if (t > 0)
            out += kOperators[random() % kOperators.size()];
        else if (random() % 5 == 0)
            out += '-';
        const auto kind = depth > 0 ? random() % 4 : 0;
        if (kind == 1) {
            out += kFunctions[random() % kFunctions.size()];
            out += '(' + randomExpression(random, depth - 1) + ')';
        } else if (kind == 2) {
            out += '(' + randomExpression(random, depth - 1) + ')';
        } else {
            out += kAtoms[random() % kAtoms.size()];
        }
    }
    return out;
}

class BadInputTest : public ::testing::TestWithParam<char> {};

TEST_P(BadInputTest, RandomWellFormedFormulas) {
    const SeparatorScope scope(GetParam());
    std::mt19937 random(99);
    for (int i = 0; i < 4000; ++i)
        ASSERT_NO_FATAL_FAILURE(checkFormula(ForSeparator(randomExpression(random, 3), GetParam())));
}

TEST_P(BadInputTest, RandomFormulasOfPieces) {
    const SeparatorScope scope(GetParam());
    std::mt19937 random(2024);
    for (int i = 0; i < 6000; ++i) {
        std::string formula;
        const auto pieces = random() % 20;
        for (unsigned k = 0; k < pieces && formula.size() < 60; ++k)
            formula += kPieces[random() % kPieces.size()];
        ASSERT_NO_FATAL_FAILURE(checkFormula(formula));
    }
}

TEST_P(BadInputTest, RandomBytes) {
    const SeparatorScope scope(GetParam());
    std::mt19937 random(7);
    for (int i = 0; i < 4000; ++i) {
        std::string formula(random() % 51, '\0');
        for (char& c : formula)
            c = static_cast<char>(random() % 256);
        ASSERT_NO_FATAL_FAILURE(checkFormula(formula));
    }
}

// Raw evaluable texts, as if a caller skipped preparation.
TEST_P(BadInputTest, RandomWorkingTexts) {
    const SeparatorScope scope(GetParam());
    constexpr std::string_view alphabet = "#0123456789,.-+E*/^()abcdeghilnoqrstx\x90";
    std::mt19937 random(31337);
    for (int i = 0; i < 6000; ++i) {
        std::string text(random() % 80, '\0');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        ASSERT_NO_FATAL_FAILURE(evaluateSafely(text));
    }
}

TEST_P(BadInputTest, ExtremeTexts) {
    const SeparatorScope scope(GetParam());
    const std::string one = "#1#";
    const std::vector<std::string> texts = {
        std::string(5000, '-') + one,
        std::string(5001, '-') + "+" + one + std::string(3000, '+'),
        std::string(100000, '('),
        std::string(200, '(') + one,
        std::string(3000, ')'),
        "sin" + std::string(4000, '#'),
        std::string(5000, '#'),
        "#" + std::string(10000, '9') + "#",
        "#0," + std::string(10000, '0') + "1#",
        "#1E999999999999999999999#",
        "#1E-999999999999999999999#*#2#",
        std::string(2000, '^'),
        one + std::string(1000, '*') + one,
    };
    for (const auto& text : texts)
        ASSERT_NO_FATAL_FAILURE(evaluateSafely(text)) << text.substr(0, 20);

    long double value = 0;
    EXPECT_TRUE(EvaluateExpression(std::string(5000, '-') + one, value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(EvaluateExpression(std::string(200, '(') + one, value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(EvaluateExpression(std::string(100000, '(') + one, value)); // deeper than any formula
}

// Sign runs, within and around substituted numbers.
TEST_P(BadInputTest, SignsAroundSubstitutedNumbers) {
    const SeparatorScope scope(GetParam());
    std::string raw;
    for (int i = 0; i < 12; ++i)
        raw += "-x";
    std::string formula = raw;
    PrepareFormula(formula, "x");
    long double value = 0;
    ASSERT_TRUE(EvaluateExpression(SubstituteVariable(formula, 'x', -1.25L), value));
    EXPECT_EQ(value, 12 * 1.25L);

    std::string cut = raw + raw; // the 13th token loses its "x#": no value
    PrepareFormula(cut, "x");
    EXPECT_FALSE(EvaluateExpression(SubstituteVariable(cut, 'x', -1.25L), value));
}

INSTANTIATE_TEST_SUITE_P(Separators, BadInputTest, ::testing::Values(',', '.'),
                         [](const auto& info) { return SeparatorName(info.param); });

} // namespace
} // namespace orvex::test
