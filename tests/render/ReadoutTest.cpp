// The coordinate read-out: the value format and the cursor mapping.
#include "Navigation.h"

#include "ArithmeticError.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

struct FormatCase {
    double value;
    const char* text;
};

class ReadoutFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ReadoutFormat, TwoSignificantDigitsAndTwoDecimals) {
    EXPECT_EQ(FormatReadoutValue(GetParam().value, '.'), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadoutFormat,
                         testing::Values(FormatCase{1.2345, "1.20"}, FormatCase{12.345, "12.00"},
                                         FormatCase{-0.5, "-0.50"}, FormatCase{0.004, "0.00"},
                                         FormatCase{123.45, "1.2E02"}, FormatCase{1000, "1E03"},
                                         FormatCase{0, "0.00"}, FormatCase{-0.004, "0.00"},
                                         FormatCase{0.006, "0.01"},
                                         FormatCase{0.125, "0.13"},  // half away from zero
                                         FormatCase{0.0145, "0.01"}, // one rounding, at the second decimal
                                         FormatCase{9.96, "10.00"}, FormatCase{99.4, "99.00"},
                                         FormatCase{99.5, "1E02"}, // rounds up to three integer digits
                                         FormatCase{-150, "-1.5E02"}, FormatCase{1234567, "1.2E06"},
                                         FormatCase{1e300, "1E300"}, FormatCase{-5.357, "-5.40"}));

TEST(ReadoutFormat, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatReadoutValue(1.2345, ','), "1,20");
    EXPECT_EQ(FormatReadoutValue(-123.45, ','), "-1,2E02");
}

struct CursorCase {
    int x, y, w, h;
    const char* text;
};

class ReadoutCursor : public testing::TestWithParam<CursorCase> {};

TEST_P(ReadoutCursor, MapsTheInnerRectangleOntoTheLimits) {
    ViewTexts view; // -5 5 -5 5
    view.ymin = "0";
    view.ymax = "10";
    const CursorCase& c = GetParam();
    EXPECT_EQ(ReadoutText(c.x, c.y, c.w, c.h, view, '.'), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ReadoutCursor,
    testing::Values(CursorCase{20, 20, 600, 400, "(-5.00, 10.00)"},
                    CursorCase{580, 380, 600, 400, "(5.00, 0.00)"},
                    CursorCase{300, 200, 600, 400, "(0.00, 5.00)"},
                    CursorCase{0, 0, 600, 400, "(-5.40, 11.00)"}, // outside the inner rectangle
                    // A plot area of 40 pixels or less shows the middle of the limits on that axis.
                    CursorCase{7, 9, 40, 400, "(0.00, 10.00)"}, CursorCase{7, 9, 600, 40, "(-5.20, 5.00)"},
                    CursorCase{0, 0, 0, 0, "(0.00, 5.00)"}, CursorCase{5, 5, -3, 41, "(0.00, 1.6E02)"}));

TEST(ReadoutCursor, LimitThatIsNotANumberIsAConversionError) {
    ViewTexts view;
    view.xmax = "5.5";
    EXPECT_EQ(ReadoutText(20, 20, 600, 400, view, '.'), "(-5.00, 5.00)");
    try {
        (void)ReadoutText(20, 20, 600, 400, view, ',');
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'5.5' is not a valid floating point value");
    }
}

} // namespace
} // namespace orvex
