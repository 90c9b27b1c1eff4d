// The scanner and parser: tree shapes (shown fully bracketed), syntax errors, the bracket balance,
// the node table limit and the nesting bound.
#include "DiffTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvex::test {
namespace {

struct ShapeCase {
    const char* text;
    const char* shape;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParserShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ParserShape, BuildsTree) {
    TTreeBench bench;
    const int root = bench.Parse(GetParam().text);
    ASSERT_NE(root, 0) << GetParam().text;
    EXPECT_EQ(bench.Shape(root), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, ParserShape,
    ::testing::Values(ShapeCase{"  x  ", "x"}, ShapeCase{"x-y-z", "((((x)-(y)))-(z))"},
                      ShapeCase{"a*b/c", "((((a)*(b)))/(c))"}, ShapeCase{"a+b*c", "((a)+(((b)*(c))))"},
                      ShapeCase{"x^2^3", "((((x)^(2)))^(3))"}, ShapeCase{"-x^2", "(-(((x)^(2))))"},
                      ShapeCase{"-2^2", "((-2)^(2))"}, ShapeCase{"-x*y", "(-(((x)*(y))))"},
                      ShapeCase{"-2*x", "((-2)*(x))"}, ShapeCase{"2*(-3)", "((2)*(-3))"},
                      ShapeCase{"-(x)", "(-(x))"}, ShapeCase{"+x", "x"}, ShapeCase{"-+x", "(-(x))"},
                      ShapeCase{"(-x)+1", "(((-(x)))+(1))"}, ShapeCase{"(((x)))", "x"},
                      ShapeCase{"x^(2)", "((x)^(2))"}, ShapeCase{"x^(-2)", "((x)^(-2))"},
                      ShapeCase{"x ^ ( 2 )", "((x)^(2))"}, ShapeCase{"sin(x)^2", "((sin(x))^(2))"},
                      ShapeCase{"x-1", "((x)-(1))"}));

INSTANTIATE_TEST_SUITE_P(Literals, ParserShape,
                         ::testing::Values(ShapeCase{"2.50", "2.50"}, ShapeCase{"1.5E-3", "1.5E-3"},
                                           ShapeCase{"3E+2", "3E+2"}, ShapeCase{"0.5e-3", "0.5e-3"},
                                           ShapeCase{"1e5", "1e5"}, ShapeCase{"x_1*_a", "((x_1)*(_a))"},
                                           ShapeCase{"Sin*SIN", "((Sin)*(SIN))"},
                                           ShapeCase{"sign(x)+sgn(x)", "((sign(x))+(sgn(x)))"},
                                           ShapeCase{"h(heaviside(x))", "h(heaviside(x))"},
                                           ShapeCase{"arcctg(th(cth(x)))", "arcctg(th(cth(x)))"}));

class ParserRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(ParserRejects, MalformedText) {
    TTreeBench bench;
    EXPECT_EQ(bench.Parse(GetParam()), 0) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Syntax, ParserRejects,
                         ::testing::Values("", " ", "()", "x+", "*x", "x*", "2*-3", "x+-1", "x*-x", "2x",
                                           "x y", "1 2", "sin x", "sin()", "lg(x)", "Sin(x)", "x^x", "2^x",
                                           "x^(1/2)", "x^-1", "x^", "x^(2", "x^(x)", "+-x", "--x", "x(2)"));
INSTANTIATE_TEST_SUITE_P(Numbers, ParserRejects,
                         ::testing::Values("3.", "3.x", "1e", "1e+", "1E-", "2*1e", "1ex"));
INSTANTIATE_TEST_SUITE_P(Brackets, ParserRejects,
                         ::testing::Values("(x", "x)", "x)+y", "((x)", "sin(x", "(x))"));
INSTANTIATE_TEST_SUITE_P(ForeignCharacters, ParserRejects,
                         ::testing::Values("x,1", "2$", "3,5", "x:2", "|x|", "x\t", ".5", "(.5)", "(,x)",
                                           "$x", "x*\xE0", "\xE0"));

TEST(FormulaParser, BracketBalanceTellsMissingAndSurplusBrackets) {
    TTreeBench bench;
    bench.Parser.Reset();
    (void)bench.Parser.ParseExpression("(x");
    EXPECT_FALSE(bench.Parser.Failed());
    EXPECT_EQ(bench.Parser.Depth(), 1);

    bench.Parser.Reset();
    (void)bench.Parser.ParseExpression("x)+y");
    EXPECT_FALSE(bench.Parser.Failed());
    EXPECT_EQ(bench.Parser.Depth(), -1);
    EXPECT_EQ(bench.Parser.ScanPos(), 3U); // stopped after ")", "+y" not read
}

TEST(FormulaParser, FunctionNodesKeepTheirNameAndPrecedeTheirArgument) {
    struct Case {
        const char* text;
        int kind;
    };
    for (const Case c :
         {Case{"sign(x)", tkSgn}, Case{"sgn(x)", tkSgn}, Case{"h(x)", tkHeaviside},
          Case{"heaviside(x)", tkHeaviside}, Case{"cos(x)", tkCos}, Case{"arcctg(x)", tkArcctg}}) {
        TTreeBench bench;
        const int root = bench.Parse(c.text);
        ASSERT_EQ(root, 1) << c.text;
        const TTree& node = (*bench.Nodes)[root];
        EXPECT_EQ(node.Kind, c.kind) << c.text;
        EXPECT_EQ(node.Text, std::string(c.text).substr(0, std::string(c.text).find('('))) << c.text;
        EXPECT_EQ(node.Left, 2) << c.text;
        EXPECT_EQ(node.Right, 0) << c.text;
    }
}

TEST(FormulaParser, ExponentIsAlwaysANumberNode) {
    TTreeBench bench;
    const int root = bench.Parse("x^(-2.5)");
    ASSERT_NE(root, 0);
    const TTree& power = (*bench.Nodes)[root];
    EXPECT_EQ(power.Kind, tkPower);
    EXPECT_EQ((*bench.Nodes)[power.Right].Kind, tkNumber);
    EXPECT_EQ((*bench.Nodes)[power.Right].Text, "-2.5");
}

std::string SumOfNames(int count) {
    std::string text = "a";
    for (int i = 1; i < count; ++i)
        text += "+a";
    return text;
}

TEST(FormulaParser, NodeTableHoldsAtMost5000Nodes) {
    TTreeBench bench;
    EXPECT_NE(bench.Parse(SumOfNames(2500)), 0);
    EXPECT_EQ(bench.Nodes->NodeCount(), 4999);

    bench.Nodes->ClearNodes();
    EXPECT_EQ(bench.Parse(SumOfNames(2501)), 0); // 2501 names and 2500 sums: 5001 nodes
    EXPECT_TRUE(bench.Parser.Failed());
}

TEST(FormulaParser, ANewTextIsParsedBehindTheTreesAlreadyInTheTable) {
    TTreeBench bench;
    ASSERT_NE(bench.Parse(SumOfNames(1501)), 0);
    EXPECT_EQ(bench.Parse(SumOfNames(1000)), 3001 + 1999); // the last node is the root
    EXPECT_EQ(bench.Parse("y"), 0);                        // the 5001st node
}

std::string Nested(const std::string& open, int levels, const std::string& core = "x") {
    std::string text;
    for (int i = 0; i < levels; ++i)
        text += open;
    return text + core + std::string(static_cast<std::size_t>(levels), ')');
}

TEST(FormulaParser, NestingIsBounded) {
    const int bound = TFormulaParser::MaxNesting;
    for (const std::string open : {"(", "sin(", "-("}) {
        TTreeBench bench;
        EXPECT_NE(bench.Parse(Nested(open, bound)), 0) << open;
        EXPECT_EQ(bench.Parse(Nested(open, bound + 1)), 0) << open;
        EXPECT_EQ(bench.Parse(Nested(open, 50000)), 0) << open;
        EXPECT_EQ(bench.Parse(std::string(100000, '(')), 0) << open;
    }
}

TEST(FormulaParser, ParsesAgainAfterAFailure) {
    TTreeBench bench;
    EXPECT_EQ(bench.Parse(Nested("(", 20000)), 0);
    bench.Nodes->ClearNodes();
    const int root = bench.Parse("(x+1)*2");
    ASSERT_NE(root, 0);
    EXPECT_EQ(bench.Shape(root), "((((x)+(1)))*(2))");
}

} // namespace
} // namespace orvex::test
