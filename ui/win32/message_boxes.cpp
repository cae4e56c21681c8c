#include "message_boxes.h"

#include "ui/app_info.h"
#include "wide_text.h"

namespace ui::win32 {

namespace {

UINT iconFlag(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return MB_ICONERROR;
    case MessageIcon::Information:
        return MB_ICONINFORMATION;
    case MessageIcon::None:
        break;
    }
    return 0;
}

} // namespace

Answer showMessageBox(HWND owner, std::u16string_view text, MessageBoxStyle style)
{
    // The first button is the default.
    const UINT flags = iconFlag(style.icon) | MB_DEFBUTTON1
        | (style.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
    switch (MessageBoxW(owner, toWide(text).c_str(), toWide(kApplicationTitle).c_str(), flags)) {
    case IDOK:
        return Answer::Ok;
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default: // closed some other way: the answer of Escape or the close box
        return buttonsOf(style.buttons).back().answer;
    }
}

} // namespace ui::win32
