#pragma once

#include "ui/layout.h"

#include <windows.h>

#include <string>

namespace ui::win32 {

// The faces the window is drawn in, chosen from what is installed. Where "Times New
// Roman" is missing (wine, for one), its metric twin sets the Latin text in the same
// widths, and a face with the Arabic letters draws the phrase; Times New Roman has
// both.
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

} // namespace ui::win32
