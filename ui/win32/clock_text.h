#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace ui::win32 {

// The clock's text: the user's short date, a line feed, then the time, as the
// desktop's regional settings write them; timeFlags as GetTimeFormatEx takes them.
std::u16string generalDateText(const SYSTEMTIME& when, DWORD timeFlags = 0);

// How the clock shows the time, and at what type size.
struct ClockForm {
    DWORD timeFlags;
    int typeSize;
};

// The clock shows the date whole on its first line and the time whole on its
// second, at every date and hour. Tried in order at the box's type size: the
// user's long time, then the 24-hour time without a day-half name; the first that
// shows whole at the widest dates and times is taken. Where none does, the same
// is tried one pixel smaller at a time, down to kSmallestBoxTypeShare of the size.
ClockForm clockForm(
    int typeSize, const std::function<bool(std::u16string_view text, int typeSize)>& showsWhole);

} // namespace ui::win32
