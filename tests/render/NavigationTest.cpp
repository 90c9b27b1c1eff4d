// Limit repair, the view commands, mouse and wheel mapping, and the coordinate read-out.
#include "Navigation.h"
#include "RenderTestSupport.h"

#include <tuple>
#include <utility>

namespace orvex::test {
namespace {

using VC = ViewCommand;
using View = PointSeparator;

TEST_F(View, LimitRepairRaisesASpanBelowOneToOneAboveTheMinimum) {
    const std::tuple<ViewTexts, ViewTexts, bool> cases[] = {
        {{"0", "0.5", "0", "0.999"}, {"0", "1", "0", "1"}, true},
        {{"3", "2", "2", "3"}, {"3", "4", "2", "3"}, true}, // reversed limits too; a span of 1 stays
        // A limit that is not a number, or beyond the double range, leaves every text as it was.
        {{"0", "0.5", "0", "x"}, {"0", "0.5", "0", "x"}, false},
        {{"0", "0,5", "0", "1"}, {"0", "0,5", "0", "1"}, false},
        {{"0", "0.5", "0", "1e400"}, {"0", "0.5", "0", "1e400"}, false}};
    for (auto [view, after, repaired] : cases) {
        EXPECT_EQ(RepairLimits(view), repaired) << after.xmax;
        EXPECT_EQ(view, after) << after.xmax;
    }
}

TEST_F(View, ViewCommandsShiftTheDefaultLimitsByOne) {
    const std::pair<VC, ViewTexts> cases[] = {
        {VC::MoveLeft, {"-6", "4", "-5", "5"}}, {VC::MoveRight, {"-4", "6", "-5", "5"}},
        {VC::MoveUp, {"-5", "5", "-4", "6"}},   {VC::MoveDown, {"-5", "5", "-6", "4"}},
        {VC::HorMin, {"-4", "4", "-5", "5"}},   {VC::HorMax, {"-6", "6", "-5", "5"}},
        {VC::VertMin, {"-5", "5", "-4", "4"}},  {VC::VertMax, {"-5", "5", "-6", "6"}},
        {VC::AllMax, {"-6", "6", "-6", "6"}},   {VC::AllMin, {"-4", "4", "-4", "4"}}}; // F10, F11
    for (const auto& [command, after] : cases) {
        ViewTexts view;
        ApplyViewCommand(command, view);
        EXPECT_EQ(view, after) << static_cast<int>(command);
    }
}

TEST_F(View, RepeatedNarrowingSlidesTheWindowAfterRepair) {
    ViewTexts view{"-2", "2", "-5", "5"};
    for (const auto& [xmin, xmax] : {std::pair{"-1", "1"}, {"0", "1"}, {"1", "2"}, {"2", "3"}}) {
        ApplyViewCommand(VC::HorMin, view); // Ctrl+F11
        ASSERT_TRUE(RepairLimits(view));
        EXPECT_EQ(view, (ViewTexts{xmin, xmax, "-5", "5"}));
    }
}

TEST_F(View, CommandWritesFifteenDigitsAndStopsAtTheFirstFieldThatIsNotANumber) {
    SetDecimalSeparator(',');
    ViewTexts view{"0,1", "five", "-5", "5"};
    EXPECT_EQ(FailureOf([&] { ApplyViewCommand(VC::MoveLeft, view); }),
              "'five' is not a valid floating point value");
    EXPECT_EQ(view, (ViewTexts{"-0,9", "five", "-5", "5"})); // the field before stays rewritten
}

TEST(Mouse, ButtonsWithModifiersAndWheelRunTheirCommands) {
    using B = MouseButton;
    const std::tuple<B, bool, bool, std::vector<VC>> clicks[] = {
        {B::Left, false, false, {VC::AllMax}},
        {B::Left, true, false, {VC::HorMax}},
        {B::Left, false, true, {VC::VertMax}},
        {B::Left, true, true, {VC::HorMax, VC::VertMax}},
        {B::Right, false, false, {VC::AllMin}},
        {B::Right, true, false, {VC::HorMin}},
        {B::Right, false, true, {VC::VertMin}},
        {B::Right, true, true, {VC::HorMin, VC::VertMin}},
        {B::Middle, true, true, {}}};
    for (const auto& [button, shift, ctrl, commands] : clicks)
        EXPECT_EQ(CommandsForClick(button, shift, ctrl), commands) << shift << ctrl;
    EXPECT_EQ(CommandForWheel(true, false), VC::MoveRight);
    EXPECT_EQ(CommandForWheel(true, true), VC::MoveUp);
    EXPECT_EQ(CommandForWheel(false, false), VC::MoveLeft);
    EXPECT_EQ(CommandForWheel(false, true), VC::MoveDown);
}

TEST(Readout, ValueHasTwoSignificantDigitsAndTwoDecimals) {
    const std::pair<double, const char*> cases[] = {
        {1.2345, "1.20"}, {12.345, "12.00"}, {-0.5, "-0.50"},  {0.004, "0.00"}, {123.45, "1.2E02"},
        {1000, "1E03"},   {0.125, "0.13"},   {0.0145, "0.01"}, {9.96, "10.00"}, {99.5, "1E02"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatReadoutValue(value, '.'), text) << value;
}

TEST(Readout, MapsTheInnerRectangleOntoTheLimitsWithoutDividingByZero) {
    const ViewTexts view{"-5", "5.5", "0", "10"};
    // Outside the inner rectangle the values lie beyond the limits; a plot area of 40 pixels or less
    // shows the middle of the limits on that axis.
    const std::tuple<int, int, int, int, const char*> cases[] = {{20, 20, 600, 400, "(-5.00, 10.00)"},
                                                                 {580, 380, 600, 400, "(5.50, 0.00)"},
                                                                 {0, 0, 600, 400, "(-5.40, 11.00)"},
                                                                 {7, 9, 40, 400, "(0.25, 10.00)"},
                                                                 {0, 0, 0, 0, "(0.25, 5.00)"}};
    for (const auto& [x, y, w, h, text] : cases)
        EXPECT_EQ(ReadoutText(x, y, w, h, view, '.'), text);
    EXPECT_EQ(ReadoutText(20, 20, 600, 400, {"-150", "5", "0", "1"}, ','), "(-1,5E02, 1,00)");
    EXPECT_EQ(FailureOf([&] { (void)ReadoutText(20, 20, 600, 400, view, ','); }),
              "'5.5' is not a valid floating point value");
}

} // namespace
} // namespace orvex::test
