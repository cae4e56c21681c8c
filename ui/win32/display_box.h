#pragma once

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// The window class of the clock and phrase boxes: read-only boxes that show their
// text whole on at most two centred lines (see BoxLayout). Faces with Arabic
// letters carry line spacing far taller than their letters (four times the type
// size), so the system's edit box would show one clipped line where two fit.
// Colours come from the parent's WM_CTLCOLORSTATIC answer, as for the system's
// static controls. Like an edit box, a box answers EM_GETLINECOUNT, EM_LINEINDEX
// and EM_LINELENGTH about the lines it shows.
inline constexpr wchar_t kDisplayBoxClass[] = L"CalculatorOrvi2009DisplayBox";

// wParam: a font for the letters the box's own font (WM_SETFONT) lacks, or null.
inline constexpr UINT kSetFallbackFont = WM_USER + 1;
// wParam: the type size in pixels to set every text at; 0: for each text, the
// largest that shows it whole, from the font's own down to kSmallestBoxTypeShare
// of it.
inline constexpr UINT kSetTypeSize = WM_USER + 2;

void registerDisplayBoxClass(HINSTANCE instance);

// The type size of the box's own font, in pixels.
int displayBoxTypeSize(HWND box);

// Whether the box would show the text whole at a type size.
bool displayBoxShowsWhole(HWND box, std::wstring_view text, int typeSize);

} // namespace ui::win32
