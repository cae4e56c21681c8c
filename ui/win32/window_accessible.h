#pragma once

#include "control_accessible.h"
#include "painted_banner.h"
#include "ui/controls.h"

#include <array>
#include <string>
#include <vector>

namespace ui::win32 {

// The calculator window's own object for screen readers: its children are the
// controls of the layout table, in the table's order. The keys and boxes are windows
// and answer for themselves; the labels and the portrait are painted on the window,
// so they are answered for here, as elements with their name, role, text and place.
// One more element, not among the children, holds the words last announced: readers
// that follow live regions say its name when it changes.
class WindowAccessible final : public DelegatingAccessible {
public:
    using ControlObjects = std::array<ControlAccessible*, kControlCount>;
    static constexpr long kAnnouncementId = static_cast<long>(kControlCount) + 1;

    WindowAccessible(HWND window, const ControlObjects& controls, const PaintedBanner& banner);

    void setAnnouncement(std::wstring words) { announcement_ = std::move(words); }
    // The window is going: what it referred to is no longer asked.
    void forget() { banner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(
        long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

private:
    // A child by its id (1 on): its control, and its own object if it is a window.
    const LayoutRow* rowOf(const VARIANT& child) const;
    ControlAccessible* objectOf(const LayoutRow& row) const;
    bool isAnnouncement(const VARIANT& child) const;
    HRESULT childVariant(std::size_t index, VARIANT* out) const;
    RECT screenPlace(const LayoutRow& row) const;

    const ControlObjects& controls_;
    const PaintedBanner* banner_;
    std::vector<const LayoutRow*> children_; // every control but the timer
    std::wstring announcement_;
};

} // namespace ui::win32
