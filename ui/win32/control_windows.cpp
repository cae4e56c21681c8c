#include "control_windows.h"

#include "control_ids.h"
#include "dpi.h"
#include "lines_box.h"
#include "ui/layout.h"
#include "wide_text.h"

namespace ui::win32 {

void ControlWindows::create(HWND parent, HINSTANCE instance)
{
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind != ControlKind::Key && row.kind != ControlKind::TextBox)
            continue;
        const wchar_t* windowClass = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        if (row.kind == ControlKind::Key) {
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
        } else if (row.multiLine) {
            windowClass = LinesBox::kClassName;
            exStyle = WS_EX_CLIENTEDGE;
        } else {
            windowClass = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL
                | (row.align == TextAlign::Center ? ES_CENTER : ES_LEFT);
            exStyle = WS_EX_CLIENTEDGE;
        }
        HWND child = CreateWindowExW(exStyle, windowClass, toWide(row.caption).c_str(), style, 0, 0,
            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row.id))),
            instance, nullptr);
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (windowClass == std::wstring_view(L"EDIT"))
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0); // no length limit of its own
        windows_[static_cast<std::size_t>(row.id)] = child;
    }
}

void ControlWindows::layOut(int dpi, const ControlFonts& fonts)
{
    for (const LayoutRow& row : layoutRows()) {
        if (HWND child = window(row.id)) {
            const RECT r = pixelRect(row, dpi);
            MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.font(row.id)), TRUE);
        }
    }
}

std::optional<Control> ControlWindows::controlOf(int id) const
{
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kControlCount))
        return std::nullopt; // Enter and Escape send IDOK and IDCANCEL, which no key has
    return static_cast<Control>(index);
}

} // namespace ui::win32
