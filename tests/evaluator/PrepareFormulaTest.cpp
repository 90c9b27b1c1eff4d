// Preparation and substitution: the texts the evaluator works on.
#include "EvaluatorTestSupport.h"

namespace orvex::test {
namespace {

struct TextCase {
    std::string input;
    std::string expected; // "," is the separator in force
};

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

const std::vector<TextCase> kPrepareCases = {
    {"x^2+3.5*sin(x)", "#x#^#2#+#3,5#*sin(#x#)"},
    {"SIN(X)", "sin(#x#)"},
    {"sin x", "sin#x#"},
    {"||x||", "abs()#x#abs()"},
    {"x:2", "#x#/#2#"},
    {"ppii", "p#3,14159265358979#i"},
    {"\tx", "\t#x#"},             // only blanks are removed
    {"\xC4x\xE4", "\xC4#x#\xE4"}, // Cyrillic letters keep their case
    {"#x#", "##x##"},             // a typed "#" is passed over
    {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", Repeat("#1#+", 12) + "#1"},
    {std::string(60, '1'), "#" + std::string(49, '1')},
    {Repeat("|", 20), Repeat("abs()", 10)},
    {Repeat("pi", 4), "#" + Repeat("3,14159265358979", 3) + "3"},
};

class PrepareFormulaTest : public ::testing::TestWithParam<std::tuple<TextCase, char>> {};

TEST_P(PrepareFormulaTest, NormalisesTheText) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    std::string text = ForSeparator(c.input, separator);
    PrepareFormula(text, "x");
    EXPECT_EQ(text, ForSeparator(c.expected, separator));
}

INSTANTIATE_TEST_SUITE_P(Formulas, PrepareFormulaTest, BothSeparators(kPrepareCases), SeparatorCaseName());

struct SubstituteCase {
    std::string prepared;
    long double x;
    std::string expected;
};

const std::vector<SubstituteCase> kSubstituteCases = {
    {"#x#*#x#", 0.00001L, "#1E-5#*#1E-5#"},
    {"#x#", 0.0001L, "#0,0001#"},
    {"#2x#", -1.5L, "#2-1,5#"},
    {"#x#", 1.0L / 3, "#0,333333333333333#"},
};

class SubstituteVariableTest : public ::testing::TestWithParam<std::tuple<SubstituteCase, char>> {};

TEST_P(SubstituteVariableTest, PutsTheNumberTextOfX) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    EXPECT_EQ(SubstituteVariable(ForSeparator(c.prepared, separator), 'x', c.x),
              ForSeparator(c.expected, separator));
}

INSTANTIATE_TEST_SUITE_P(Texts, SubstituteVariableTest, BothSeparators(kSubstituteCases),
                         SeparatorCaseName());

} // namespace
} // namespace orvex::test
