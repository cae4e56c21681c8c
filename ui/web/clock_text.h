#pragma once

#include "ui/controls.h"

#include <string>

namespace ui::web {

// The clock's text in the browser's own locale: the short date on the first line,
// the time with its seconds on the second, without the time-zone name that the long
// time would add. The blanks inside the date and inside the time do not break, so
// each keeps to its line. Where that time would not show whole on its line of the clock
// box at the box's type size, the same on a 24-hour clock takes its place (it needs
// no day-half name); the choice is made once, for the widest dates and times, with
// the box's own type and width. Where even that is too wide, the box sets the type
// smaller.
std::u16string clockText(Control box);

} // namespace ui::web
