// The faces the window's text resolves to, as the system reports them.

#include "banner/banner_tick.h"
#include "ui/win32/font_faces.h"
#include "ui/win32/glyph_coverage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using ui::Control;
using ui::layoutRow;

TEST(Fonts, LatinTextInTheSerifFaceAndThePhraseInAFaceWithItsLetters)
{
    const auto faces = ui::win32::FontFaces::installed();
    const bool haveTimes = faces.latin == L"Times New Roman";
    for (const Control id : { Control::Command1, Control::TEXT1, Control::Label2 }) {
        HFONT font = ui::win32::createControlFont(
            faces.latin, faces.latinHasArabicCharset, layoutRow(id), 96);
        EXPECT_EQ(
            ui::win32::resolvedFace(font), haveTimes ? L"Times New Roman" : L"Liberation Serif");
        DeleteObject(font);
    }
    HFONT phrase = ui::win32::createControlFont(faces.arabic, true, layoutRow(Control::Text4), 96);
    HDC dc = CreateCompatibleDC(nullptr);
    const std::wstring letters(banner::kPhrase.begin(), banner::kPhrase.end());
    const auto missing = ui::win32::missingGlyphs(dc, phrase, letters);
    EXPECT_EQ(std::count(missing.begin(), missing.end(), true), 0);
    DeleteDC(dc);
    DeleteObject(phrase);
}

} // namespace
