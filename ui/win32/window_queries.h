#pragma once

#include <windows.h>

namespace ui::win32 {

// Questions another program (a screen reader's helper, the tests) may send the
// calculator's window about what it shows where no child window can tell.

// Where a control painted on the window itself (a label, the picture) is drawn:
// wParam the control; lParam kPlaceCorner for its left and top, kPlaceSize for its
// width and height; the answer MAKELRESULT of the two, in client pixels.
inline constexpr UINT kGetPaintedPlace = WM_APP + 1;
inline constexpr LPARAM kPlaceCorner = 0;
inline constexpr LPARAM kPlaceSize = 1;

// The scale the display's font sets its text at: MAKELRESULT of its stretch and its
// size, each in thousandths.
inline constexpr UINT kGetDisplayScale = WM_APP + 2;

} // namespace ui::win32
