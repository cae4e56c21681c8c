#include "clock_text.h"

#include "ui/text_fit.h"
#include "wide_text.h"

#include <array>
#include <cmath>

namespace ui::win32 {

std::u16string generalDateText(const SYSTEMTIME& when, DWORD timeFlags)
{
    wchar_t date[80] = {};
    wchar_t time[80] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 80, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, timeFlags, &when, nullptr, time, 80);
    return fromWide(date) + u'\n' + fromWide(time);
}

ClockForm clockForm(
    int typeSize, const std::function<bool(std::u16string_view text, int typeSize)>& showsWhole)
{
    constexpr std::array<DWORD, 2> kForms { 0, TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER };
    // The widest dates and times: every month, on its 28th, with two-digit hours
    // before and after noon and two-digit minutes and seconds.
    SYSTEMTIME widest;
    GetLocalTime(&widest);
    widest.wDay = 28;
    widest.wMinute = widest.wSecond = 58;
    widest.wMilliseconds = 0;
    const auto wholeAlways = [&](DWORD timeFlags, int size) {
        for (WORD month = 1; month <= 12; ++month)
            for (const WORD hour : { 10, 22 }) {
                widest.wMonth = month;
                widest.wHour = hour;
                if (!showsWhole(generalDateText(widest, timeFlags), size))
                    return false;
            }
        return true;
    };
    const int smallest = static_cast<int>(std::ceil(typeSize * kSmallestBoxTypeShare));
    for (int size = typeSize; size >= smallest; --size)
        for (const DWORD timeFlags : kForms)
            if (wholeAlways(timeFlags, size))
                return { timeFlags, size };
    return { kForms.back(), smallest };
}

} // namespace ui::win32
