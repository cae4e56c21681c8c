#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

// The clock's text: the user's short date, then their long time, as the desktop's
// regional settings write them; timeFlags as GetTimeFormatEx takes them.
std::u16string generalDateText(const SYSTEMTIME& when, DWORD timeFlags = 0);

} // namespace ui::win32
