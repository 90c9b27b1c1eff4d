// Limit parsing and repair, the view commands, the mouse and wheel mapping, colour values.
#include "Navigation.h"
#include "Renderer.h"

#include "ArithmeticError.h"
#include "NumberText.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

ViewTexts Limits(const char* xmin, const char* xmax, const char* ymin, const char* ymax) {
    ViewTexts view;
    view.xmin = xmin;
    view.xmax = xmax;
    view.ymin = ymin;
    view.ymax = ymax;
    return view;
}

// Every case runs with an explicit separator so that the user's locale does not matter.
class WithSeparator : public testing::Test {
  protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('\0'); }
};

using LimitRepair = WithSeparator;

TEST_F(LimitRepair, SpanBelowOneIsRaisedAboveTheMinimum) {
    struct Case {
        ViewTexts before, after;
    };
    const Case cases[] = {
        {Limits("0", "0.5", "-5", "5"), Limits("0", "1", "-5", "5")},
        {Limits("3", "2", "-5", "5"), Limits("3", "4", "-5", "5")},   // reversed limits too
        {Limits("0", "1", "0", "0.999"), Limits("0", "1", "0", "1")}, // exactly 1 stays
        {Limits("-0.5", "-0.5", "2", "1"), Limits("-0.5", "0.5", "2", "3")},
        {Limits("1E-5", "0", "-5", "5"), Limits("1E-5", "1.00001", "-5", "5")},
    };
    for (const Case& c : cases) {
        ViewTexts view = c.before;
        EXPECT_TRUE(RepairLimits(view));
        EXPECT_EQ(view, c.after) << c.before.xmin << " " << c.before.xmax;
    }
}

TEST_F(LimitRepair, UsesTheSeparatorInForce) {
    SetDecimalSeparator(',');
    ViewTexts view = Limits("-0,5", "0", "0", "0,25");
    EXPECT_TRUE(RepairLimits(view));
    EXPECT_EQ(view, Limits("-0,5", "0,5", "0", "1"));
}

TEST_F(LimitRepair, AnyLimitThatIsNotANumberChangesNothing) {
    for (const ViewTexts& bad : {Limits("0", "0.5", "0", "x"), Limits("", "0.5", "0", "0"),
                                 Limits("0", "0,5", "0", "1"), Limits("0", "0.5", "0", "1e400")}) {
        ViewTexts view = bad;
        EXPECT_FALSE(RepairLimits(view));
        EXPECT_EQ(view, bad);
    }
}

TEST_F(LimitRepair, ParseReportsTheFieldText) {
    try {
        (void)ParseLimits(Limits("-5", "5", "abc", "5"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_THROW((void)ParseLimits(Limits("-5", "1e400", "-5", "5")), ArithmeticError);
}

struct CommandCase {
    ViewCommand command;
    ViewTexts after; // from the defaults -5 5 -5 5
};

class ViewCommands : public WithSeparator, public testing::WithParamInterface<CommandCase> {};

TEST_P(ViewCommands, ShiftTheirLimitsByOne) {
    ViewTexts view;
    ApplyViewCommand(GetParam().command, view);
    EXPECT_EQ(view, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    FromDefaults, ViewCommands,
    testing::Values(CommandCase{ViewCommand::MoveLeft, Limits("-6", "4", "-5", "5")},
                    CommandCase{ViewCommand::MoveRight, Limits("-4", "6", "-5", "5")},
                    CommandCase{ViewCommand::MoveUp, Limits("-5", "5", "-4", "6")},
                    CommandCase{ViewCommand::MoveDown, Limits("-5", "5", "-6", "4")},
                    CommandCase{ViewCommand::HorMin, Limits("-4", "4", "-5", "5")},
                    CommandCase{ViewCommand::HorMax, Limits("-6", "6", "-5", "5")},
                    CommandCase{ViewCommand::VertMin, Limits("-5", "5", "-4", "4")},
                    CommandCase{ViewCommand::VertMax, Limits("-5", "5", "-6", "6")},
                    CommandCase{ViewCommand::AllMax, Limits("-6", "6", "-6", "6")},   // F10
                    CommandCase{ViewCommand::AllMin, Limits("-4", "4", "-4", "4")})); // F11

TEST_F(WithSeparator, RepeatedNarrowingSlidesTheWindowAfterRepair) {
    ViewTexts view = Limits("-2", "2", "-5", "5");
    const std::pair<const char*, const char*> expected[] = {{"-1", "1"}, {"0", "1"}, {"1", "2"}, {"2", "3"}};
    for (const auto& [xmin, xmax] : expected) {
        ApplyViewCommand(ViewCommand::HorMin, view); // Ctrl+F11
        ASSERT_TRUE(RepairLimits(view));
        EXPECT_EQ(view.xmin, xmin);
        EXPECT_EQ(view.xmax, xmax);
    }
}

TEST_F(WithSeparator, CommandsWriteFifteenDigitTextsWithTheSeparator) {
    SetDecimalSeparator(',');
    ViewTexts view = Limits("0,25", "1E-5", "-5", "5");
    ApplyViewCommand(ViewCommand::HorMax, view);
    EXPECT_EQ(view.xmin, "-0,75");
    EXPECT_EQ(view.xmax, "1,00001");
    view = Limits("0,1", "0,3", "-5", "5");
    ApplyViewCommand(ViewCommand::MoveLeft, view);
    EXPECT_EQ(view.xmin, "-0,9");
    EXPECT_EQ(view.xmax, "-0,7");
}

TEST_F(WithSeparator, CommandStopsAtTheFirstFieldThatIsNotANumber) {
    ViewTexts view = Limits("-5", "five", "-5", "5");
    try {
        ApplyViewCommand(ViewCommand::AllMax, view);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'five' is not a valid floating point value");
    }
    EXPECT_EQ(view, Limits("-6", "five", "-5", "5")); // the field before stays rewritten
}

struct ClickCase {
    MouseButton button;
    bool shift, ctrl;
    std::vector<ViewCommand> commands;
};

class Clicks : public testing::TestWithParam<ClickCase> {};

TEST_P(Clicks, RunTheirCommandsInOrder) {
    const ClickCase& c = GetParam();
    EXPECT_EQ(CommandsForClick(c.button, c.shift, c.ctrl), c.commands);
}

using VC = ViewCommand;
INSTANTIATE_TEST_SUITE_P(Buttons, Clicks,
                         testing::Values(ClickCase{MouseButton::Left, false, false, {VC::AllMax}},
                                         ClickCase{MouseButton::Left, true, false, {VC::HorMax}},
                                         ClickCase{MouseButton::Left, false, true, {VC::VertMax}},
                                         ClickCase{MouseButton::Left, true, true, {VC::HorMax, VC::VertMax}},
                                         ClickCase{MouseButton::Right, false, false, {VC::AllMin}},
                                         ClickCase{MouseButton::Right, true, false, {VC::HorMin}},
                                         ClickCase{MouseButton::Right, false, true, {VC::VertMin}},
                                         ClickCase{MouseButton::Right, true, true, {VC::HorMin, VC::VertMin}},
                                         ClickCase{MouseButton::Middle, false, false, {}},
                                         ClickCase{MouseButton::Middle, true, true, {}}));

TEST(Wheel, DirectionAndShiftChooseTheMove) {
    EXPECT_EQ(CommandForWheel(true, false), VC::MoveRight);
    EXPECT_EQ(CommandForWheel(true, true), VC::MoveUp);
    EXPECT_EQ(CommandForWheel(false, false), VC::MoveLeft);
    EXPECT_EQ(CommandForWheel(false, true), VC::MoveDown);
}

TEST(ColourValues, ExplicitColoursAreBlueGreenRed) {
    EXPECT_EQ(ColorFromValue(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromValue(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromValue(0x00C0C0C0), QColor(192, 192, 192));
    EXPECT_EQ(ColorFromValue(0x12345678), QColor(0x78, 0x56, 0x34)); // the top byte means nothing
    EXPECT_EQ(ValueFromColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    EXPECT_EQ(ValueFromColor(ColorFromValue(0x00ABCDEF)), 0x00ABCDEFu);
}

TEST(ColourValues, SystemColoursWithoutAnApplicationUseFixedColours) {
    EXPECT_EQ(ColorFromValue(0x80000005), QColor(255, 255, 255)); // window
    EXPECT_EQ(ColorFromValue(0x80000008), QColor(0, 0, 0));       // window text
    EXPECT_EQ(ColorFromValue(0x8000000F), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(ColorFromValue(0x80000018), QColor(0xFF, 0xFF, 0xE1)); // info background
    EXPECT_EQ(ColorFromValue(0x80000019), QColor(0, 0, 0));          // unused index
    EXPECT_EQ(ColorFromValue(0x800000FF), QColor(0, 0, 0));          // unknown index
}

} // namespace
} // namespace orvex
