#pragma once

#include "control_windows.h"

#include <windows.h>

namespace ui::win32 {

// Keyboard navigation for the message loop: Tab and Shift+Tab in the table's order,
// Enter and the arrow keys as in a dialog. True when the message was handled and must
// not be dispatched again.
bool handleDialogKey(HWND window, const ControlWindows& controls, MSG& message);

} // namespace ui::win32
