#include "Renderer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace orvex {

namespace {

constexpr std::uint32_t kSystemColourBit = 0x80000000u;

// One system colour: the palette entry that plays its part, and the colour used without an application.
struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    QRgb fallback;
};

constexpr QPalette::ColorGroup kActive = QPalette::Active;
constexpr QPalette::ColorGroup kInactive = QPalette::Inactive;
constexpr QPalette::ColorGroup kDisabled = QPalette::Disabled;

// Indexed by the system colour number (the low byte of the value).
constexpr std::array<SystemColour, 31> kSystemColours{{
    {kActive, QPalette::Button, 0xC8C8C8},            // 0 scroll bar
    {kActive, QPalette::Shadow, 0x000000},            // 1 desktop background
    {kActive, QPalette::Highlight, 0x99B4D1},         // 2 active caption
    {kInactive, QPalette::Highlight, 0xBFCDDB},       // 3 inactive caption
    {kActive, QPalette::Window, 0xF0F0F0},            // 4 menu
    {kActive, QPalette::Base, 0xFFFFFF},              // 5 window
    {kActive, QPalette::Dark, 0x646464},              // 6 window frame
    {kActive, QPalette::WindowText, 0x000000},        // 7 menu text
    {kActive, QPalette::Text, 0x000000},              // 8 window text
    {kActive, QPalette::HighlightedText, 0x000000},   // 9 caption text
    {kActive, QPalette::Mid, 0xB4B4B4},               // 10 active border
    {kActive, QPalette::Midlight, 0xF4F7FC},          // 11 inactive border
    {kActive, QPalette::Dark, 0xABABAB},              // 12 application workspace
    {kActive, QPalette::Highlight, 0x0078D7},         // 13 highlight
    {kActive, QPalette::HighlightedText, 0xFFFFFF},   // 14 highlight text
    {kActive, QPalette::Button, 0xF0F0F0},            // 15 button face
    {kActive, QPalette::Dark, 0xA0A0A0},              // 16 button shadow
    {kDisabled, QPalette::Text, 0x6D6D6D},            // 17 grey text
    {kActive, QPalette::ButtonText, 0x000000},        // 18 button text
    {kInactive, QPalette::HighlightedText, 0x000000}, // 19 inactive caption text
    {kActive, QPalette::Light, 0xFFFFFF},             // 20 button highlight
    {kActive, QPalette::Shadow, 0x696969},            // 21 3D dark shadow
    {kActive, QPalette::Midlight, 0xE3E3E3},          // 22 3D light
    {kActive, QPalette::ToolTipText, 0x000000},       // 23 info text
    {kActive, QPalette::ToolTipBase, 0xFFFFE1},       // 24 info background
    {kActive, QPalette::NoRole, 0x000000},            // 25 unused
    {kActive, QPalette::Link, 0x0066CC},              // 26 hot light
    {kActive, QPalette::Highlight, 0xB9D1EA},         // 27 gradient active caption
    {kInactive, QPalette::Highlight, 0xD7E4F2},       // 28 gradient inactive caption
    {kActive, QPalette::Highlight, 0x3399FF},         // 29 menu highlight
    {kActive, QPalette::Window, 0xF0F0F0},            // 30 menu bar
}};

QColor systemColour(std::uint32_t index) {
    if (index >= kSystemColours.size())
        return QColor(Qt::black); // the platform answers black for an unknown index
    const SystemColour& entry = kSystemColours[index];
    if (entry.role != QPalette::NoRole &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        return QGuiApplication::palette().color(entry.group, entry.role);
    return QColor(entry.fallback);
}

} // namespace

QColor ColorFromValue(std::uint32_t value) {
    if ((value & kSystemColourBit) != 0)
        return systemColour(value & 0xFFu);
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

std::uint32_t ValueFromColor(const QColor& color) {
    const QRgb rgb = color.rgb();
    return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
           static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

} // namespace orvex
