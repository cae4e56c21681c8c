#pragma once

#include "delegating_accessible.h"
#include "ui/layout.h"

namespace ui::win32 {

// What a screen reader is told of one key or box: its name and description from its
// row of the layout table, the role of its kind, a box's text as its value, and its
// place as the table lays it out, a box's sunken edge included. Its state, focus and
// default action are what the system says of its window.
class ControlAccessible final : public DelegatingAccessible {
public:
    ControlAccessible(HWND control, const LayoutRow& row)
        : DelegatingAccessible(control)
        , row_(row)
    {
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE accLocation(
        long* left, long* top, long* width, long* height, VARIANT child) override;

private:
    const LayoutRow& row_;
};

} // namespace ui::win32
