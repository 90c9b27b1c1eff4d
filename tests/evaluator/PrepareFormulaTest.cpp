// Preparation and substitution: the texts the evaluator works on.
#include "EvaluatorTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace orvex::test {
namespace {

struct PrepareCase {
    std::string formula;
    std::string prepared; // "," is the separator in force
};

std::ostream& operator<<(std::ostream& os, const PrepareCase& c) {
    return os << '"' << Printable(c.formula) << '"';
}

std::string twentyFiveOnes() {
    std::string ones = "1";
    for (int i = 1; i < 25; ++i)
        ones += "+1";
    return ones;
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

const std::vector<PrepareCase> kPrepareCases = {
    {"x^2+3.5*sin(x)", "#x#^#2#+#3,5#*sin(#x#)"},
    {"SIN(X)", "sin(#x#)"},
    {"sin x", "sin#x#"},
    {"sinx", "sin#x#"},
    {"1.5+x", "#1,5#+#x#"},
    {"1,5+x", "#1,5#+#x#"},
    {"|x-1|", "abs(#x#-#1#)"},
    {"||x||", "abs()#x#abs()"},
    {"|x|+|x-2|", "abs(#x#)+abs(#x#-#2#)"},
    {"|x", "abs(#x#"},
    {"x:2", "#x#/#2#"},
    {"2x", "#2x#"},
    {"2pi", "#23,14159265358979#"},
    {"Pi", "#3,14159265358979#"},
    {"ppii", "p#3,14159265358979#i"},
    {"1e5", "#1#e#5#"},
    {"", ""},
    {"   ", ""},
    {"\tx", "\t#x#"},             // only blanks are removed
    {"\xC4x\xE4", "\xC4#x#\xE4"}, // Cyrillic letters keep their case
    {"#x#", "##x##"},             // a typed "#" is passed over
    {"1.2.3", "#1,2,3#"},
    {twentyFiveOnes(), repeat("#1#+", 12) + "#1"},
    {std::string(50, 'x'), "#" + std::string(49, 'x')},
    {std::string(60, '1'), "#" + std::string(49, '1')},
    {repeat("|", 20), "abs()abs()abs()abs()abs()abs()abs()abs()abs()abs()"},
    {repeat("pi", 4), "#" + repeat("3,14159265358979", 3) + "3"},
};

class PrepareFormulaTest : public ::testing::TestWithParam<std::tuple<PrepareCase, char>> {};

TEST_P(PrepareFormulaTest, NormalisesTheText) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    std::string text = ForSeparator(c.formula, separator);
    PrepareFormula(text, "x");
    EXPECT_EQ(text, ForSeparator(c.prepared, separator)) << c;
    EXPECT_LE(text.size(), kMaxFormulaLength);
}

INSTANTIATE_TEST_SUITE_P(Formulas, PrepareFormulaTest,
                         ::testing::Combine(::testing::ValuesIn(kPrepareCases), ::testing::Values(',', '.')),
                         [](const auto& info) {
                             return "Case" + std::to_string(info.index / 2) +
                                    SeparatorName(std::get<1>(info.param));
                         });

TEST(PrepareFormulaTest, OtherVariableLetters) {
    const SeparatorScope scope(',');
    std::string text = "t*x+2t";
    PrepareFormula(text, "t");
    EXPECT_EQ(text, "#t#*x+#2t#");
}

struct SubstituteCase {
    std::string prepared;
    long double x;
    std::string expected;
};

std::ostream& operator<<(std::ostream& os, const SubstituteCase& c) {
    return os << '"' << Printable(c.prepared) << '"';
}

const std::vector<SubstituteCase> kSubstituteCases = {
    {"#x#^#2#+#3,5#*sin(#x#)", 1, "#1#^#2#+#3,5#*sin(#1#)"},
    {"#x#", 0.00001L, "#1E-5#"},
    {"#x#", 0.0001L, "#0,0001#"},
    {"#x#", -1.5L, "#-1,5#"},
    {"#x#", 1.0L / 3, "#0,333333333333333#"},
    {"#x#", 1e15L, "#1E15#"},
    {"#2x#", -1, "#2-1#"},
    {"#xx#", 2, "#22#"},
    {"sin#y#", 2, "sin#y#"},
    {"", 2, ""},
};

class SubstituteVariableTest : public ::testing::TestWithParam<std::tuple<SubstituteCase, char>> {};

TEST_P(SubstituteVariableTest, PutsTheNumberTextOfX) {
    const auto& [c, separator] = GetParam();
    const SeparatorScope scope(separator);
    EXPECT_EQ(SubstituteVariable(ForSeparator(c.prepared, separator), 'x', c.x),
              ForSeparator(c.expected, separator))
        << c;
}

INSTANTIATE_TEST_SUITE_P(Texts, SubstituteVariableTest,
                         ::testing::Combine(::testing::ValuesIn(kSubstituteCases),
                                            ::testing::Values(',', '.')),
                         [](const auto& info) {
                             return "Case" + std::to_string(info.index / 2) +
                                    SeparatorName(std::get<1>(info.param));
                         });

// A variable letter that occurs in the number text itself must not make the substitution loop.
TEST(SubstituteVariableTest, VariableInsideItsOwnNumberText) {
    const SeparatorScope scope(',');
    EXPECT_EQ(SubstituteVariable("#1#+#1#", '1', 12), "#12#+#12#");
    EXPECT_EQ(SubstituteVariable("#E#", 'E', 1e20L), "#1E20#");
}

} // namespace
} // namespace orvex::test
