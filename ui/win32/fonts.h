#pragma once

#include "ui/layout.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// The faces the window is drawn in, chosen once at start from what is installed.
// Where "Times New Roman" is missing (wine, for one), its metric twin sets the
// Latin text in the same widths, and a face with the Arabic letters draws the
// phrase; Times New Roman has both.
struct FontFaces {
    std::wstring latin;
    std::wstring arabic;
    bool latinHasArabicCharset = false;

    static FontFaces installed();
};

// A control's font at dpi: bold, at the row's size in points, with the row's
// character set where the face has it.
HFONT createControlFont(
    const std::wstring& face, bool arabicCharset, const LayoutRow& row, int dpi);

// The face a font resolved to, as the system reports it.
std::wstring resolvedFace(HFONT font);

// For each character of the text, whether the font lacks a glyph for it. Blanks,
// line feeds and surrogate halves have no glyph of their own in any face and never
// count as lacking.
std::vector<bool> missingGlyphs(HDC dc, HFONT font, std::wstring_view text);

// The first installed face with a glyph for every one of the letters, or nothing.
// Windows' own shaping finds such a face for letters a font lacks; wine's does not.
std::wstring faceWithLetters(std::wstring_view letters);

} // namespace ui::win32
