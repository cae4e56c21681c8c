#pragma once

#include "ui/clock_form.h"

#include <string>

namespace ui::web {

// The browser's local date and time.
LocalTime localNow();

// A date and time as the browser's locale writes them: the short date, a line feed,
// and the time in the form: the medium time style for the long time, which names no
// time zone; the hour with two-digit minutes and seconds for the short time with
// seconds; and that on a 24-hour clock.
std::u16string clockText(ClockForm form, const LocalTime& when);

} // namespace ui::web
