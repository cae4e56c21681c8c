#pragma once

#include "ui/message_box.h"

#include <string_view>

namespace ui::web {

// Shows a modal box with the application title and waits for its answer, while
// the page's timer goes on calling into the program.
Answer showMessageBox(std::u16string_view text, MessageBoxStyle style);

} // namespace ui::web
