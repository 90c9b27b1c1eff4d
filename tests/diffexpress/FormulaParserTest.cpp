// The scanner and parser: tree shapes (shown fully bracketed), syntax errors, the node table limit
// and the nesting bound.
#include "DiffTestSupport.h"
#include "StackRunner.h"

namespace orvex::test {
namespace {

class ParserShape : public ::testing::TestWithParam<TextCase> {};

TEST_P(ParserShape, BuildsTree) {
    TTreeBench bench;
    const int root = bench.Parse(GetParam().in);
    ASSERT_NE(root, 0) << GetParam().in;
    EXPECT_EQ(bench.Shape(root), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Precedence, ParserShape,
                         ::testing::Values(TextCase{"  x  ", "x"}, TextCase{"x-y-z", "((((x)-(y)))-(z))"},
                                           TextCase{"a+b*c", "((a)+(((b)*(c))))"},
                                           TextCase{"x^2^3", "((((x)^(2)))^(3))"},
                                           TextCase{"-x^2", "(-(((x)^(2))))"}, TextCase{"-2^2", "((-2)^(2))"},
                                           TextCase{"-x*y", "(-(((x)*(y))))"}, TextCase{"-+x", "(-(x))"},
                                           TextCase{"x ^ ( -2 )", "((x)^(-2))"}, TextCase{"1.5E-3", "1.5E-3"},
                                           TextCase{"x_1*Sin", "((x_1)*(Sin))"}));

class ParserRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(ParserRejects, MalformedText) {
    TTreeBench bench;
    EXPECT_EQ(bench.Parse(GetParam()), 0) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Syntax, ParserRejects,
                         ::testing::Values("", "()", "x+", "2*-3", "--x", "2x", "1 2", "sin x", "lg(x)",
                                           "sec(x)", "Sin(x)", "|x|", "x:2", "x^x", "x^(1/2)", "x^-1", "3.",
                                           "1e+", "(x", "x)+y", "x,1", "2$", ".5", "(,x)", "x*\xE0"));

TEST(FormulaParser, NodeTableHoldsAtMost5000Nodes) {
    TTreeBench bench;
    EXPECT_NE(bench.Parse("a" + Repeat("+a", 2499)), 0); // 2500 names and 2499 sums
    EXPECT_EQ(bench.Nodes->NodeCount(), 4999);
    bench.Nodes->ClearNodes();
    EXPECT_EQ(bench.Parse("a" + Repeat("+a", 2500)), 0); // 5001 nodes
    EXPECT_TRUE(bench.Parser.Failed());
}

// Brackets that hold nothing but brackets take no node, so only the nesting bound refuses them. The
// parser recurses per level; the test gives it room as the component does for deep formulas.
TEST(FormulaParser, NestingIsBoundedAndAFailureLeavesNoTrace) {
    const int bound = TFormulaParser::MaxNesting;
    RunWithStack(64 << 20, [bound] {
        TTreeBench bench;
        EXPECT_NE(bench.Parse(Nested("(", bound)), 0);
        EXPECT_EQ(bench.Parse(Nested("(", bound + 1)), 0);
        bench.Nodes->ClearNodes();
        EXPECT_EQ(bench.Shape(bench.Parse("(x+1)*2")), "((((x)+(1)))*(2))");
    });
}

} // namespace
} // namespace orvex::test
