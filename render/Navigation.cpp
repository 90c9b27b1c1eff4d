#include "Navigation.h"

#include "NumberText.h"

namespace orvex {

namespace {

// What one view command adds to each limit, in field order xmin, xmax, ymin, ymax (0: field untouched).
struct LimitShift {
    int xmin, xmax, ymin, ymax;
};

LimitShift shiftFor(ViewCommand command) {
    switch (command) {
    case ViewCommand::MoveLeft:
        return {-1, -1, 0, 0};
    case ViewCommand::MoveRight:
        return {1, 1, 0, 0};
    case ViewCommand::MoveUp:
        return {0, 0, 1, 1};
    case ViewCommand::MoveDown:
        return {0, 0, -1, -1};
    case ViewCommand::HorMin:
        return {1, -1, 0, 0};
    case ViewCommand::HorMax:
        return {-1, 1, 0, 0};
    case ViewCommand::VertMin:
        return {0, 0, 1, -1};
    case ViewCommand::VertMax:
        return {0, 0, -1, 1};
    case ViewCommand::AllMax:
        return {-1, 1, -1, 1};
    case ViewCommand::AllMin:
        return {1, -1, 1, -1};
    }
    return {0, 0, 0, 0};
}

// A limit beyond the double range cannot be shifted: it raises the overflow it would raise when stored.
void shiftField(std::string& text, int delta) {
    if (delta != 0)
        text = NumberText(ReadLimit(text, DecimalSeparator()) + delta, 15);
}

} // namespace

void ApplyViewCommand(ViewCommand command, ViewTexts& view) {
    const LimitShift shift = shiftFor(command);
    shiftField(view.xmin, shift.xmin);
    shiftField(view.xmax, shift.xmax);
    shiftField(view.ymin, shift.ymin);
    shiftField(view.ymax, shift.ymax);
}

std::vector<ViewCommand> CommandsForClick(MouseButton button, bool shift, bool ctrl) {
    if (button == MouseButton::Middle)
        return {};
    const bool widen = button == MouseButton::Left;
    if (!shift && !ctrl)
        return {widen ? ViewCommand::AllMax : ViewCommand::AllMin};
    std::vector<ViewCommand> commands;
    if (shift)
        commands.push_back(widen ? ViewCommand::HorMax : ViewCommand::HorMin);
    if (ctrl)
        commands.push_back(widen ? ViewCommand::VertMax : ViewCommand::VertMin);
    return commands;
}

ViewCommand CommandForWheel(bool towardsUser, bool shift) {
    if (towardsUser)
        return shift ? ViewCommand::MoveUp : ViewCommand::MoveRight;
    return shift ? ViewCommand::MoveDown : ViewCommand::MoveLeft;
}

} // namespace orvex
