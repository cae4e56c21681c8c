#pragma once

#include "ui/colors.h"
#include "ui/controls.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace ui::win32 {

// The colours the window is drawn in: ui::Palette over the desktop's own colours,
// read again when the user changes them, and the text colour each control was
// given. Brushes are made once for each colour.
class WindowColors {
public:
    WindowColors();
    ~WindowColors();
    WindowColors(const WindowColors&) = delete;
    WindowColors& operator=(const WindowColors&) = delete;

    // Reads the desktop's colours again (WM_SYSCOLORCHANGE).
    void reload();

    HBRUSH windowBrush();
    // Behind a control; the window's where it is transparent.
    COLORREF background(Control control) const;
    HBRUSH backgroundBrush(Control control);
    // A control's text colour as drawn on its background.
    COLORREF text(Control control) const;
    // Gives a control another text colour (0x00BBGGRR, or a system colour's index);
    // false where it has that one already.
    bool setText(Control control, std::uint32_t color);

private:
    HBRUSH brush(COLORREF color);
    void forgetBrushes();

    Palette palette_;
    std::array<std::uint32_t, kControlCount> textColors_ {};
    std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
};

} // namespace ui::win32
