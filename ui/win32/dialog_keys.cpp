#include "dialog_keys.h"

#include "ui/layout.h"

namespace ui::win32 {

bool handleDialogKey(HWND window, const ControlWindows& controls, MSG& message)
{
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        // The system's dialog keys would follow the stacking order, which here
        // differs from the tab order (the memory box stands in front of the display).
        const auto order = tabOrder();
        const int count = static_cast<int>(order.size());
        const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
        int at = count - 1;
        for (int i = 0; i < count; ++i)
            if (controls.window(order[static_cast<std::size_t>(i)]) == GetFocus())
                at = i;
        for (int tries = 1; tries < count; ++tries) {
            at = (at + step) % count;
            HWND next = controls.window(order[static_cast<std::size_t>(at)]);
            if (next && IsWindowVisible(next) && IsWindowEnabled(next)
                && (GetWindowLongW(next, GWL_STYLE) & WS_TABSTOP)) {
                SetFocus(next);
                if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                    SendMessageW(next, EM_SETSEL, 0, -1);
                break;
            }
        }
        return true;
    }
    return IsDialogMessageW(window, &message) != FALSE;
}

} // namespace ui::win32
