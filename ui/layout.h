#pragma once

#include "controls.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

enum class ControlKind : std::uint8_t {
    Label,   // static text drawn on the window's own surface
    Picture, // an image drawn on the window's own surface, at its own size
    TextBox, // an edit box
    Key,     // a push button
    Timer,   // invisible
};

enum class TextAlign : std::uint8_t { Left, Center };

// Colours are 0x00BBGGRR values. Values with the top bit set name the desktop's
// system colours by index, as the classic desktop does.
namespace color {
inline constexpr std::uint32_t kInactiveTitleBar = 0x80000003;
inline constexpr std::uint32_t kWindowText = 0x80000008;
inline constexpr std::uint32_t kButtonFace = 0x8000000F;
inline constexpr std::uint32_t kButtonText = 0x80000012;
inline constexpr std::uint32_t kTransparent = 0xFFFFFFFF;

inline constexpr bool isSystem(std::uint32_t c)
{
    return c != kTransparent && (c & 0x80000000U) != 0;
}
inline constexpr int red(std::uint32_t bgr) { return static_cast<int>(bgr & 0xFF); }
inline constexpr int green(std::uint32_t bgr) { return static_cast<int>((bgr >> 8) & 0xFF); }
inline constexpr int blue(std::uint32_t bgr) { return static_cast<int>((bgr >> 16) & 0xFF); }
} // namespace color

struct LayoutRow {
    Control id;
    std::string_view name;
    ControlKind kind;
    std::u16string_view caption;  // caption of a key or label; text boxes start empty
    int left, top, width, height; // twips
    int tabIndex;                 // -1: not in the tab order
    double fontPoints;            // 0: no text
    bool westernCharset;          // false: the Arabic character set
    std::uint32_t background;
    std::uint32_t foreground;
    TextAlign align;
    bool multiLine;                  // text boxes: wrap onto more lines
    std::string_view accessibleName; // empty: the caption serves
    std::string_view description;    // what it is or does, read after its name
};

struct WindowRow {
    std::u16string_view caption;
    int clientWidth, clientHeight; // twips
    std::uint32_t background;
    std::string_view fontFamily;       // every control's face
    std::string_view metricTwinFamily; // the same metrics, where fontFamily is not installed
    std::string_view arabicFamily;     // the Arabic letters, where the twin has none
    int timerIntervalMs;
};

inline constexpr int kTwipsPerPixel = 15; // at 96 dots per inch
inline constexpr int kTwipsPerInch = 1440;

// Twips to device pixels at dpi dots per inch, rounded to the nearest pixel: the
// client area's 6345 twips are 423 pixels at 96 dpi and 635 at 144.
constexpr int twipsToPixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(
        (scaled >= 0 ? scaled + kTwipsPerInch / 2 : scaled - kTwipsPerInch / 2) / kTwipsPerInch);
}

// The window's own row of the layout table.
const WindowRow& windowRow();

// One row a control, from the back of the stacking order to the front.
std::span<const LayoutRow> layoutRows();

const LayoutRow& layoutRow(Control control);

// The keys and text boxes in the order the Tab key visits them.
std::span<const Control> tabOrder();

// How far the memory indicator reaches into the display from its right end. The
// display's text stops short of it, so no digit is ever hidden behind the box.
int indicatorOverlapTwips();

} // namespace ui
