#pragma once

#include "control_fonts.h"
#include "ui/controls.h"

#include <windows.h>

#include <array>
#include <optional>

namespace ui::win32 {

// The keys and boxes as child windows of the calculator window, made from the layout
// table: push buttons for the keys, edit boxes for the display and the memory box,
// LinesBox windows for the clock and the phrase. The labels and the picture are
// painted on the window itself, and the timer has no window.
class ControlWindows {
public:
    // Made back to front, each in front of those before it: the table's stacking.
    void create(HWND parent, HINSTANCE instance);
    // Places every window at a dpi and gives it its font there.
    void layOut(int dpi, const ControlFonts& fonts);

    HWND window(Control control) const { return windows_[static_cast<std::size_t>(control)]; }
    // The control a child window or a child window's identifier stands for.
    std::optional<Control> controlOf(int id) const;
    std::optional<Control> controlOf(HWND child) const { return controlOf(GetDlgCtrlID(child)); }

private:
    std::array<HWND, kControlCount> windows_ {};
};

} // namespace ui::win32
