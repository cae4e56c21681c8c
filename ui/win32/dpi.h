#pragma once

#include "ui/layout.h"

#include <windows.h>

namespace ui::win32 {

// The dots per inch a window is drawn at: its monitor's on Windows 10 and later,
// the screen's before that.
int windowDpi(HWND window);

// The dots per inch of the primary screen, for a window not yet created.
int systemDpi();

// A control's box in pixels at dpi. Edges, not sizes, are rounded, so neighbours
// neither overlap nor part.
RECT pixelRect(const LayoutRow& row, int dpi);

// The outer size of a window whose client area is width x height at dpi.
SIZE outerSize(int width, int height, DWORD style, DWORD exStyle, int dpi);

} // namespace ui::win32
