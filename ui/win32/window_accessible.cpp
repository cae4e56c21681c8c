#include "window_accessible.h"

#include "row_accessibility.h"

namespace ui::win32 {

namespace {

VARIANT self()
{
    VARIANT child {};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

HRESULT nothing(BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return S_FALSE;
}

} // namespace

WindowAccessible::WindowAccessible(
    HWND window, const ControlObjects& controls, const PaintedBanner& banner)
    : DelegatingAccessible(window)
    , controls_(controls)
    , banner_(&banner)
{
    for (const LayoutRow& row : layoutRows())
        if (row.kind != ControlKind::Timer)
            children_.push_back(&row);
}

const LayoutRow* WindowAccessible::rowOf(const VARIANT& child) const
{
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<long>(children_.size()))
        return nullptr;
    return children_[static_cast<std::size_t>(child.lVal - 1)];
}

ControlAccessible* WindowAccessible::objectOf(const LayoutRow& row) const
{
    return controls_[static_cast<std::size_t>(row.id)];
}

bool WindowAccessible::isAnnouncement(const VARIANT& child) const
{
    return child.vt == VT_I4 && child.lVal == kAnnouncementId;
}

HRESULT WindowAccessible::childVariant(std::size_t index, VARIANT* out) const
{
    VariantInit(out);
    if (index >= children_.size())
        return S_FALSE;
    if (ControlAccessible* object = objectOf(*children_[index])) {
        object->AddRef();
        out->vt = VT_DISPATCH;
        out->pdispVal = object;
    } else {
        out->vt = VT_I4;
        out->lVal = static_cast<long>(index) + 1;
    }
    return S_OK;
}

RECT WindowAccessible::screenPlace(const LayoutRow& row) const
{
    RECT place {};
    if (const ControlAccessible* object = objectOf(row)) {
        GetWindowRect(object->window(), &place);
    } else if (banner_) {
        place = banner_->place(row.id);
        MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    }
    return place;
}

HRESULT WindowAccessible::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    *count = static_cast<long>(children_.size());
    return S_OK;
}

HRESULT WindowAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (isAnnouncement(child))
        return S_FALSE;
    const LayoutRow* row = rowOf(child);
    if (!row)
        return E_INVALIDARG;
    if (ControlAccessible* own = objectOf(*row))
        return own->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(object));
    return S_FALSE; // painted: an element of this object
}

HRESULT WindowAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (isAnnouncement(child))
        return answer(announcement_, name);
    const LayoutRow* row = rowOf(child);
    return row ? answer(accessibleName(*row), name)
               : DelegatingAccessible::get_accName(child, name);
}

HRESULT WindowAccessible::get_accValue(VARIANT child, BSTR* value)
{
    if (isAnnouncement(child))
        return nothing(value);
    const LayoutRow* row = rowOf(child);
    if (!row)
        return DelegatingAccessible::get_accValue(child, value);
    if (ControlAccessible* object = objectOf(*row))
        return object->get_accValue(self(), value);
    // A label's text, read after its name ("Contact", then the address).
    return row->kind == ControlKind::Label ? answer(toWide(row->caption), value) : nothing(value);
}

HRESULT WindowAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    if (isAnnouncement(child))
        return nothing(description);
    const LayoutRow* row = rowOf(child);
    return row ? answer(accessibleDescription(*row), description)
               : DelegatingAccessible::get_accDescription(child, description);
}

HRESULT WindowAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (isAnnouncement(child))
        return answerNumber(ROLE_SYSTEM_STATICTEXT, role);
    const LayoutRow* row = rowOf(child);
    return row ? answerNumber(accessibleRole(*row), role)
               : DelegatingAccessible::get_accRole(child, role);
}

HRESULT WindowAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (isAnnouncement(child))
        return answerNumber(STATE_SYSTEM_READONLY, state);
    const LayoutRow* row = rowOf(child);
    if (!row)
        return DelegatingAccessible::get_accState(child, state);
    if (ControlAccessible* object = objectOf(*row))
        return object->get_accState(self(), state);
    return answerNumber(STATE_SYSTEM_READONLY, state);
}

HRESULT WindowAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    if (isSelf(child))
        return DelegatingAccessible::get_accHelp(child, help);
    const LayoutRow* row = rowOf(child);
    ControlAccessible* object = row ? objectOf(*row) : nullptr;
    return object ? object->get_accHelp(self(), help) : nothing(help);
}

HRESULT WindowAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    if (isSelf(child))
        return DelegatingAccessible::get_accKeyboardShortcut(child, shortcut);
    const LayoutRow* row = rowOf(child);
    ControlAccessible* object = row ? objectOf(*row) : nullptr;
    return object ? object->get_accKeyboardShortcut(self(), shortcut) : nothing(shortcut);
}

HRESULT WindowAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    if (isSelf(child))
        return DelegatingAccessible::get_accDefaultAction(child, action);
    const LayoutRow* row = rowOf(child);
    ControlAccessible* object = row ? objectOf(*row) : nullptr;
    return object ? object->get_accDefaultAction(self(), action) : nothing(action);
}

HRESULT WindowAccessible::accSelect(long flags, VARIANT child)
{
    if (isSelf(child))
        return DelegatingAccessible::accSelect(flags, child);
    const LayoutRow* row = rowOf(child);
    ControlAccessible* object = row ? objectOf(*row) : nullptr;
    return object ? object->accSelect(flags, self()) : DISP_E_MEMBERNOTFOUND;
}

HRESULT WindowAccessible::accDoDefaultAction(VARIANT child)
{
    if (isSelf(child))
        return DelegatingAccessible::accDoDefaultAction(child);
    const LayoutRow* row = rowOf(child);
    ControlAccessible* object = row ? objectOf(*row) : nullptr;
    return object ? object->accDoDefaultAction(self()) : DISP_E_MEMBERNOTFOUND;
}

HRESULT WindowAccessible::accLocation(
    long* left, long* top, long* width, long* height, VARIANT child)
{
    const LayoutRow* row = rowOf(child);
    if (isAnnouncement(child)) // where the words are shown
        row = &layoutRow(Control::TEXT1);
    if (!row)
        return DelegatingAccessible::accLocation(left, top, width, height, child);
    if (!left || !top || !width || !height)
        return E_POINTER;
    const RECT place = screenPlace(*row);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT WindowAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!end)
        return E_POINTER;
    const std::size_t count = children_.size();
    if (isSelf(start) && (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD))
        return childVariant(direction == NAVDIR_FIRSTCHILD ? 0 : count - 1, end);
    if (isSelf(start))
        return DelegatingAccessible::accNavigate(direction, start, end);
    if (!rowOf(start)) {
        VariantInit(end);
        return E_INVALIDARG;
    }
    const auto at = static_cast<std::size_t>(start.lVal - 1);
    if (direction == NAVDIR_NEXT)
        return childVariant(at + 1, end);
    if (direction == NAVDIR_PREVIOUS && at > 0)
        return childVariant(at - 1, end);
    VariantInit(end);
    return S_FALSE; // nothing that way
}

HRESULT WindowAccessible::accHitTest(long left, long top, VARIANT* child)
{
    const HRESULT result = DelegatingAccessible::accHitTest(left, top, child);
    // The keys and boxes, which the system finds, stand in front of what is painted.
    if (FAILED(result) || child->vt != VT_I4 || child->lVal != CHILDID_SELF)
        return result;
    for (std::size_t i = children_.size(); i-- > 0;) {
        const RECT place = screenPlace(*children_[i]);
        if (!objectOf(*children_[i]) && PtInRect(&place, POINT { left, top }))
            return childVariant(i, child);
    }
    return result;
}

} // namespace ui::win32
