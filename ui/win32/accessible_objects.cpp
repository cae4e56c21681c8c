#include "accessible_objects.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {

bool asksForClient(LPARAM lParam) { return static_cast<LONG>(lParam) == OBJID_CLIENT; }

} // namespace

void AccessibleObjects::attach(
    HWND window, const ControlWindows& controls, const PaintedBanner& banner)
{
    window_ = window;
    display_ = controls.window(Control::TEXT1);
    for (const LayoutRow& row : layoutRows()) {
        HWND control = controls.window(row.id);
        if (!control)
            continue;
        auto* object = new ControlAccessible(control, row);
        controls_[static_cast<std::size_t>(row.id)] = object;
        SetWindowSubclass(control, controlProc, 0, reinterpret_cast<DWORD_PTR>(object));
    }
    windowObject_ = new WindowAccessible(window, controls_, banner);
    uia_.attach(display_);
}

void AccessibleObjects::detach()
{
    uia_.attach(nullptr);
    if (windowObject_) {
        windowObject_->forget();
        CoDisconnectObject(static_cast<IAccessible*>(windowObject_), 0);
        windowObject_->Release();
        windowObject_ = nullptr;
    }
    for (ControlAccessible*& object : controls_) {
        if (!object)
            continue;
        RemoveWindowSubclass(object->window(), controlProc, 0);
        CoDisconnectObject(static_cast<IAccessible*>(object), 0);
        object->Release();
        object = nullptr;
    }
    window_ = display_ = nullptr;
}

LRESULT AccessibleObjects::answer(WPARAM wParam, LPARAM lParam) const
{
    if (!windowObject_ || !asksForClient(lParam))
        return 0;
    return LresultFromObject(
        __uuidof(IAccessible), wParam, static_cast<IAccessible*>(windowObject_));
}

LRESULT CALLBACK AccessibleObjects::controlProc(
    HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object)
{
    if (message == WM_GETOBJECT && asksForClient(lParam))
        return LresultFromObject(
            __uuidof(IAccessible), wParam, reinterpret_cast<ControlAccessible*>(object));
    return DefSubclassProc(control, message, wParam, lParam);
}

void AccessibleObjects::announce(std::wstring_view words)
{
    if (!windowObject_)
        return;
    // The edit box does not say that its text changed; readers looking at it hear
    // its new value.
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, display_, OBJID_CLIENT, CHILDID_SELF);
    windowObject_->setAnnouncement(std::wstring(words));
    NotifyWinEvent(
        EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, WindowAccessible::kAnnouncementId);
    // Narrator and NVDA say UI Automation's notification where Windows has it; NVDA
    // and readers before it say a live region's name. Only one of the two, or NVDA
    // would say the words twice.
    if (!uia_.notify(words))
        NotifyWinEvent(
            kEventLiveRegionChanged, window_, OBJID_CLIENT, WindowAccessible::kAnnouncementId);
}

} // namespace ui::win32
