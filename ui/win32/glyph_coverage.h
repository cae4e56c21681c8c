#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// For each character of the text, whether the font lacks a glyph for it. Blanks,
// line feeds and surrogate halves have no glyph of their own in any face and never
// count as lacking.
std::vector<bool> missingGlyphs(HDC dc, HFONT font, std::wstring_view text);

// The first installed face with a glyph for every one of the letters, or nothing.
// Windows' own shaping finds such a face for letters a font lacks; wine's does not.
// It looks through every installed face: the caller keeps what it found.
std::wstring faceWithLetters(std::wstring_view letters);

} // namespace ui::win32
