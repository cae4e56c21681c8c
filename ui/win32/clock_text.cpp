#include "clock_text.h"

#include "ui/time_picture.h"
#include "wide_text.h"

#include <windows.h>

namespace ui::win32 {

namespace {

// With its day of the week, which a date picture may name.
SYSTEMTIME systemTime(const LocalTime& when)
{
    SYSTEMTIME time {};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    time.wHour = static_cast<WORD>(when.hour);
    time.wMinute = static_cast<WORD>(when.minute);
    time.wSecond = static_cast<WORD>(when.second);
    FILETIME file {};
    if (SystemTimeToFileTime(&time, &file))
        FileTimeToSystemTime(&file, &time);
    return time;
}

std::wstring userShortTime()
{
    wchar_t picture[80] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTTIME, picture, 80);
    return picture;
}

std::u16string timeText(const SYSTEMTIME& when, const wchar_t* picture)
{
    wchar_t text[128] = {};
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &when, picture, text, 128);
    return fromWide(text);
}

} // namespace

LocalTime localNow()
{
    SYSTEMTIME now {};
    GetLocalTime(&now);
    return { now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond };
}

std::u16string clockText(ClockForm form, const LocalTime& when)
{
    const SYSTEMTIME time = systemTime(when);
    wchar_t date[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, 128, nullptr);
    std::u16string text = fromWide(date) + u'\n';
    const std::u16string shortTime = fromWide(userShortTime());
    switch (form) {
    case ClockForm::LongTime:
        return text + timeText(time, nullptr);
    case ClockForm::ShortTimeWithSeconds:
        return text + timeText(time, toWide(withSeconds(shortTime)).c_str());
    case ClockForm::TwentyFourHours:
        return text + timeText(time, toWide(withSeconds(twentyFourHours(shortTime))).c_str());
    }
    return text;
}

} // namespace ui::win32
