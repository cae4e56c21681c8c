#pragma once

#include "ui/layout.h"
#include "wide_text.h"

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace ui::win32 {

// A control as the layout table presents it to screen readers: its name (a key's is
// its caption), and the role that Windows' readers know for its kind.
inline std::wstring accessibleName(const LayoutRow& row)
{
    if (row.accessibleName.empty())
        return toWide(row.caption);
    return { row.accessibleName.begin(), row.accessibleName.end() };
}

inline std::wstring accessibleDescription(const LayoutRow& row)
{
    return { row.description.begin(), row.description.end() };
}

inline long accessibleRole(const LayoutRow& row)
{
    switch (row.kind) {
    case ControlKind::Key:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::TextBox:
        return ROLE_SYSTEM_TEXT;
    case ControlKind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::Picture:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Timer:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

} // namespace ui::win32
