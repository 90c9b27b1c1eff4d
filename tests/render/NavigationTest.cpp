// Limit repair, the view commands, mouse and wheel mapping, and the coordinate read-out.
#include "Navigation.h"
#include "RenderTestSupport.h"

#include <tuple>
#include <utility>

namespace orvex::test {
namespace {

using VC = ViewCommand;

TEST(View, LimitRepairRaisesASpanBelowOneToOneAboveTheMinimum) {
    const std::tuple<ViewTexts, ViewTexts, bool> cases[] = {
        {{"0", "0.5", "0", "0.999"}, {"0", "1", "0", "1"}, true},
        {{"3", "2", "2", "3"}, {"3", "4", "2", "3"}, true},      // reversed limits too; a span of 1 stays
        {{"0", "0.5", "0", "x"}, {"0", "0.5", "0", "x"}, false}, // not a number or beyond the range:
        {{"0", "0.5", "0", "1e400"}, {"0", "0.5", "0", "1e400"}, false}}; // every text stays
    for (auto [view, after, repaired] : cases) {
        EXPECT_EQ(RepairLimits(view), repaired) << after.xmax;
        EXPECT_EQ(view, after) << after.xmax;
    }
}

TEST(View, ViewCommandsShiftLimitsByOneFieldByFieldUpToTheFirstThatIsNotANumber) {
    const std::pair<VC, ViewTexts> cases[] = {
        {VC::MoveLeft, {"-6", "4", "-5", "5"}}, {VC::MoveUp, {"-5", "5", "-4", "6"}},
        {VC::HorMin, {"-4", "4", "-5", "5"}},   {VC::VertMax, {"-5", "5", "-6", "6"}},
        {VC::AllMax, {"-6", "6", "-6", "6"}},   {VC::AllMin, {"-4", "4", "-4", "4"}}}; // F10, F11
    for (const auto& [command, after] : cases) {
        ViewTexts view;
        ApplyViewCommand(command, view);
        EXPECT_EQ(view, after) << static_cast<int>(command);
    }
    const CommaSeparator comma;
    ViewTexts view{"0,1", "five", "-5", "5"};
    EXPECT_THROW(ApplyViewCommand(VC::MoveLeft, view), ConversionError);
    EXPECT_EQ(view, (ViewTexts{"-0,9", "five", "-5", "5"})); // the field before stays rewritten
}

TEST(View, RepeatedNarrowingSlidesTheWindowAfterRepair) {
    ViewTexts view{"-2", "2", "-5", "5"};
    for (const auto& [xmin, xmax] : {std::pair{"-1", "1"}, {"0", "1"}, {"1", "2"}, {"2", "3"}}) {
        ApplyViewCommand(VC::HorMin, view); // Ctrl+F11
        ASSERT_TRUE(RepairLimits(view));
        EXPECT_EQ(view, (ViewTexts{xmin, xmax, "-5", "5"}));
    }
}

// Left widens, right narrows: Shift the x axis only, Ctrl the y axis only, both one after the other.
// The wheel moves the view, sideways or with Shift up and down.
TEST(Mouse, ButtonsWithModifiersAndWheelRunTheirCommands) {
    const std::tuple<bool, bool, std::vector<VC>, std::vector<VC>> clicks[] = {
        {false, false, {VC::AllMax}, {VC::AllMin}},
        {true, false, {VC::HorMax}, {VC::HorMin}},
        {false, true, {VC::VertMax}, {VC::VertMin}},
        {true, true, {VC::HorMax, VC::VertMax}, {VC::HorMin, VC::VertMin}}};
    for (const auto& [shift, ctrl, left, right] : clicks) {
        EXPECT_EQ(CommandsForClick(MouseButton::Left, shift, ctrl), left) << shift << ctrl;
        EXPECT_EQ(CommandsForClick(MouseButton::Right, shift, ctrl), right) << shift << ctrl;
    }
    EXPECT_EQ((std::vector{CommandForWheel(true, false), CommandForWheel(true, true),
                           CommandForWheel(false, false), CommandForWheel(false, true)}),
              (std::vector{VC::MoveRight, VC::MoveUp, VC::MoveLeft, VC::MoveDown}));
}

// Two significant digits, two decimals; a plot area of 40 pixels or less shows the middle of the limits.
TEST(Readout, FormatsAndMapsTheInnerRectangleOntoTheLimitsWithoutDividingByZero) {
    const std::pair<double, const char*> values[] = {{1.2345, "1.20"},   {-0.5, "-0.50"}, {0.004, "0.00"},
                                                     {123.45, "1.2E02"}, {1000, "1E03"},  {0.125, "0.13"},
                                                     {9.96, "10.00"},    {99.5, "1E02"}};
    for (const auto& [value, text] : values)
        EXPECT_EQ(FormatReadoutValue(value, '.'), text) << value;
    const ViewTexts view{"-5", "5.5", "0", "10"};
    const std::tuple<int, int, int, int, const char*> cases[] = {{580, 380, 600, 400, "(5.50, 0.00)"},
                                                                 {0, 0, 600, 400, "(-5.40, 11.00)"},
                                                                 {7, 9, 40, 400, "(0.25, 10.00)"},
                                                                 {0, 0, 0, 0, "(0.25, 5.00)"}};
    for (const auto& [x, y, w, h, text] : cases)
        EXPECT_EQ(ReadoutText(x, y, w, h, view, '.'), text);
    EXPECT_EQ(ReadoutText(20, 20, 600, 400, {"-150", "5", "0", "1"}, ','), "(-1,5E02, 1,00)");
    EXPECT_THROW((void)ReadoutText(20, 20, 600, 400, view, ','), ConversionError); // "5.5" under ","
}

} // namespace
} // namespace orvex::test
