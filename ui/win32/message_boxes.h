#pragma once

#include "ui/message_box.h"

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// The system's message box, modal to the owner, with the application title.
Answer showMessageBox(HWND owner, std::u16string_view text, MessageBoxStyle style);

} // namespace ui::win32
