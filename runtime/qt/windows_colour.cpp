#include "runtime/qt/windows_colour.h"

#include <QGuiApplication>
#include <array>

namespace vortalis {
namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The window system's colour indexes (scroll bar = 0 ... menu bar = 30) and the
// palette entry that plays the same part here.
constexpr std::array<PaletteEntry, 31> kSystemColours = {{
    {QPalette::Active, QPalette::Button},           // scroll bar
    {QPalette::Active, QPalette::Window},           // desktop
    {QPalette::Active, QPalette::Highlight},        // active caption
    {QPalette::Inactive, QPalette::Highlight},      // inactive caption
    {QPalette::Active, QPalette::Window},           // menu
    {QPalette::Active, QPalette::Base},             // window background
    {QPalette::Active, QPalette::Shadow},           // window frame
    {QPalette::Active, QPalette::WindowText},       // menu text
    {QPalette::Active, QPalette::Text},             // window text
    {QPalette::Active, QPalette::HighlightedText},  // caption text
    {QPalette::Active, QPalette::Light},            // active border
    {QPalette::Inactive, QPalette::Light},          // inactive border
    {QPalette::Active, QPalette::Dark},             // application workspace
    {QPalette::Active, QPalette::Highlight},        // highlight
    {QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {QPalette::Active, QPalette::Button},           // button face
    {QPalette::Active, QPalette::Mid},              // button shadow
    {QPalette::Disabled, QPalette::Text},           // grey text
    {QPalette::Active, QPalette::ButtonText},       // button text
    {QPalette::Inactive, QPalette::WindowText},     // inactive caption text
    {QPalette::Active, QPalette::Light},            // button highlight
    {QPalette::Active, QPalette::Shadow},           // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // tooltip background
    {QPalette::Active, QPalette::Window},           // (unused index)
    {QPalette::Active, QPalette::Link},             // hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // active caption gradient
    {QPalette::Inactive, QPalette::Highlight},      // inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // highlighted menu item
    {QPalette::Active, QPalette::Window},           // menu bar
}};

}  // namespace

bool IsSystemColourReference(std::int32_t value) { return value < 0; }

QColor FromWindowsColour(std::int32_t value, const QPalette& palette) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (IsSystemColourReference(value)) {
        const std::uint32_t index = bits & 0xFF;
        const PaletteEntry entry =
            index < kSystemColours.size() ? kSystemColours[index] : kSystemColours[5];
        return palette.color(entry.group, entry.role);
    }
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t ToWindowsColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rgb.red()) |
                                     (static_cast<std::uint32_t>(rgb.green()) << 8) |
                                     (static_cast<std::uint32_t>(rgb.blue()) << 16));
}

}  // namespace vortalis
