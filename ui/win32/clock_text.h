#pragma once

#include "ui/clock_form.h"

#include <string>

namespace ui::win32 {

// The current local date and time.
LocalTime localNow();

// The clock's text as the user's regional settings write it: the short date, a line
// feed, and the time in the form.
std::u16string clockText(ClockForm form, const LocalTime& when);

} // namespace ui::win32
