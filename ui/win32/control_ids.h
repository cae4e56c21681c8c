#pragma once

#include "ui/controls.h"

namespace ui::win32 {

// Child-window identifiers of the controls. They start above IDOK and IDCANCEL,
// which the Enter and Escape keys send to the window.
inline constexpr int kFirstControlId = 100;

constexpr int controlId(Control control) { return kFirstControlId + static_cast<int>(control); }

} // namespace ui::win32
