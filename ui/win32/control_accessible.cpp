#include "control_accessible.h"

#include "row_accessibility.h"

#include <algorithm>
#include <string>

namespace ui::win32 {

namespace {

// The clock and phrase boxes are drawn by the program, so the system knows nothing
// of their text: it is their value, its lines joined by blanks as a reader says them.
bool drawnByTheProgram(const LayoutRow& row)
{
    return row.kind == ControlKind::TextBox && row.multiLine;
}

std::wstring spokenText(HWND box)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)), L'\0');
    GetWindowTextW(box, text.data(), static_cast<int>(text.size()) + 1);
    std::replace(text.begin(), text.end(), L'\n', L' ');
    return text;
}

} // namespace

HRESULT ControlAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (!isSelf(child))
        return DelegatingAccessible::get_accName(child, name);
    return answer(accessibleName(row_), name);
}

HRESULT ControlAccessible::get_accValue(VARIANT child, BSTR* value)
{
    if (!isSelf(child) || !drawnByTheProgram(row_))
        return DelegatingAccessible::get_accValue(child, value); // an edit box's text
    return answer(spokenText(window()), value);
}

HRESULT ControlAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    if (!isSelf(child))
        return DelegatingAccessible::get_accDescription(child, description);
    return answer(accessibleDescription(row_), description);
}

HRESULT ControlAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!isSelf(child))
        return DelegatingAccessible::get_accRole(child, role);
    return answerNumber(accessibleRole(row_), role);
}

HRESULT ControlAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const HRESULT result = DelegatingAccessible::get_accState(child, state);
    if (isSelf(child) && drawnByTheProgram(row_) && result == S_OK && state->vt == VT_I4)
        state->lVal |= STATE_SYSTEM_READONLY; // the timer writes them, the user cannot
    return result;
}

// The system would tell the inside of a box's edge only.
HRESULT ControlAccessible::accLocation(
    long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!isSelf(child))
        return DelegatingAccessible::accLocation(left, top, width, height, child);
    if (!left || !top || !width || !height)
        return E_POINTER;
    RECT place {};
    GetWindowRect(window(), &place);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

} // namespace ui::win32
