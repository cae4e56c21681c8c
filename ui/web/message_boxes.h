#pragma once

#include <string_view>

namespace ui::web {

// Shows a modal box with the application title and waits for its answer, while
// the page's timer goes on calling into the program; returns the button's code.
int showMessageBox(std::u16string_view text, int style);

} // namespace ui::web
