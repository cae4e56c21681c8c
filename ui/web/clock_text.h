#pragma once

#include <string>

namespace ui::web {

// The clock's text in the browser's own locale: the short date, a line break, and
// the time with its seconds, without the time-zone name that the long time would
// add. The clock box keeps each line whole.
std::u16string clockText();

} // namespace ui::web
