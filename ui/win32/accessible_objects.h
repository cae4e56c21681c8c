#pragma once

#include "control_windows.h"
#include "painted_banner.h"
#include "uia_notifier.h"
#include "window_accessible.h"

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// Windows 8's event for a live region's change, which Windows 7's headers lack;
// sent on Windows 7 too, where readers that know it hear it all the same.
inline constexpr DWORD kEventLiveRegionChanged = 0x8019;

// The calculator window as screen readers meet it: the window's own object, which
// lists every control of the layout table and answers for the painted ones, and one
// for each key and box, whose windows are subclassed to hand it out. And how the
// display's new text after a key reaches them.
class AccessibleObjects {
public:
    AccessibleObjects() = default;
    ~AccessibleObjects() { detach(); }
    AccessibleObjects(const AccessibleObjects&) = delete;
    AccessibleObjects& operator=(const AccessibleObjects&) = delete;

    // Once the window and its controls exist.
    void attach(HWND window, const ControlWindows& controls, const PaintedBanner& banner);
    // As the window is destroyed: readers holding an object find it gone.
    void detach();

    // WM_GETOBJECT on the window; 0 where the system answers.
    LRESULT answer(WPARAM wParam, LPARAM lParam) const;

    // Has readers say the words without moving the focus.
    void announce(std::wstring_view words);

private:
    static LRESULT CALLBACK controlProc(
        HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object);

    HWND window_ = nullptr;
    HWND display_ = nullptr;
    WindowAccessible::ControlObjects controls_ {};
    WindowAccessible* windowObject_ = nullptr;
    UiaNotifier uia_;
};

} // namespace ui::win32
