#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace ui::win32 {

// The window class of the clock and phrase boxes: read-only boxes that wrap their
// text onto centred lines a fixed distance apart. Faces with Arabic letters carry
// line spacing far taller than their letters (four times the type size), so the
// system's edit box would show one clipped line where two fit. Colours come from
// the parent's WM_CTLCOLORSTATIC answer, as for the system's static controls.
inline constexpr wchar_t kDisplayBoxClass[] = L"CalculatorOrvi2009DisplayBox";

void registerDisplayBoxClass(HINSTANCE instance);

// How many lines the box would wrap a text onto, with its font and width.
std::size_t displayBoxLineCount(HWND box, std::u16string_view text);

} // namespace ui::win32
