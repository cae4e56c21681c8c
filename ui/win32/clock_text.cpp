#include "clock_text.h"

#include "wide_text.h"

namespace ui::win32 {

std::u16string generalDateText(const SYSTEMTIME& when, DWORD timeFlags)
{
    wchar_t date[80] = {};
    wchar_t time[80] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 80, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, timeFlags, &when, nullptr, time, 80);
    return fromWide(date) + u' ' + fromWide(time);
}

} // namespace ui::win32
