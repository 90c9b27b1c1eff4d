// The function search order and the quick trigonometric reduction.
#include "FunctionTable.h"
#include "Arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace orvex::detail {
namespace {

struct FindCase {
    const char* text;
    const char* name; // "" when no name occurs
    std::size_t position;
};

class FindFunctionTest : public ::testing::TestWithParam<FindCase> {};

// The name latest in table order wins wherever it stands; among its occurrences the first.
TEST_P(FindFunctionTest, PicksLatestNameInTableOrder) {
    const FindCase& c = GetParam();
    const auto match = FindFunction(c.text);
    if (std::string(c.name).empty()) {
        EXPECT_FALSE(match.has_value()) << c.text;
        return;
    }
    ASSERT_TRUE(match.has_value()) << c.text;
    EXPECT_EQ(std::string(c.text).substr(match->position, match->length), c.name) << c.text;
    EXPECT_EQ(match->position, c.position) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindFunctionTest,
    ::testing::Values(
        FindCase{"sin#1#", "sin", 0}, FindCase{"sincos#1#", "cos", 3}, FindCase{"cossin#1#", "cos", 0},
        FindCase{"ach#1#", "ach", 0}, FindCase{"ash#1#", "ash", 0}, FindCase{"arcsin#1#", "arcsin", 0},
        FindCase{"csec#1#", "csec", 0}, FindCase{"arccos#1#", "arccos", 0}, FindCase{"ctg#1#", "ctg", 0},
        FindCase{"tgh#1#", "tgh", 0}, FindCase{"arctg#1#", "arctg", 0}, FindCase{"arcctg#1#", "arcctg", 0},
        FindCase{"lg#1#+ln#1#", "lg", 0}, FindCase{"ln#1#+lg#2#+lg#3#", "lg", 6},
        FindCase{"abs(#1#)+sh#1#", "abs", 0}, FindCase{"sqrt#4#", "sqrt", 0}, FindCase{"#1#+#2#", "", 0},
        FindCase{"sqr#4#", "", 0}, FindCase{"SIN#1#", "", 0}, FindCase{"\xF1in#1#", "", 0}));

// Sine and cosine reduce their argument by pi/2 themselves; they must agree with the library's.
TEST(TrigonometryTest, AgreesWithTheLibrary) {
    const auto sinIndex = FindFunction("sin")->index;
    const auto cosIndex = FindFunction("cos")->index;
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> magnitude(-3, 6.5);
    for (int i = 0; i < 20000; ++i) {
        const long double v =
            std::pow(10.0L, static_cast<long double>(magnitude(random))) * ((random() & 1U) != 0 ? -1 : 1);
        long double s = 0;
        long double c = 0;
        ASSERT_TRUE(ApplyFunction(sinIndex, v, s));
        ASSERT_TRUE(ApplyFunction(cosIndex, v, c));
        EXPECT_LE(std::fabs(s - std::sin(v)), 4 * std::fabs(std::sin(v)) * 0x1p-63L + 0x1p-100L)
            << static_cast<double>(v);
        EXPECT_LE(std::fabs(c - std::cos(v)), 4 * std::fabs(std::cos(v)) * 0x1p-63L + 0x1p-100L)
            << static_cast<double>(v);
    }
}

TEST(TrigonometryTest, MultiplesOfHalfPi) {
    const auto sinIndex = FindFunction("sin")->index;
    long double s = 0;
    // The extended value nearest to 1000 pi: its sine is the tiny distance to 1000 pi.
    const long double v = 3141.59265358979323846L;
    ASSERT_TRUE(ApplyFunction(sinIndex, v, s));
    EXPECT_LE(std::fabs(s - std::sin(v)), std::fabs(std::sin(v)) * 0x1p-60L);
}

TEST(NearestIntegerTest, RoundsHalvesToEven) {
    const std::vector<std::pair<long double, long double>> cases = {{0.4L, 0},
                                                                    {0.5L, 0},
                                                                    {1.5L, 2},
                                                                    {2.5L, 2},
                                                                    {-2.5L, -2},
                                                                    {-2.6L, -3},
                                                                    {3.00000000001L, 3},
                                                                    {-7.49L, -7},
                                                                    {0x1p62L, 0x1p62L},
                                                                    {1e30L, 1e30L},
                                                                    {-0x1p61L - 0.5L, -0x1p61L}};
    for (const auto& [v, expected] : cases)
        EXPECT_EQ(NearestInteger(v), expected) << static_cast<double>(v);
}

} // namespace
} // namespace orvex::detail
