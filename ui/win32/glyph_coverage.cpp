#include "glyph_coverage.h"

#include <algorithm>

namespace ui::win32 {

namespace {

int CALLBACK noteFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families)
{
    auto& list = *reinterpret_cast<std::vector<std::wstring>*>(families);
    // Names with "@" are the same faces set sideways, for vertical text.
    if (font->lfFaceName[0] != L'@'
        && std::find(list.begin(), list.end(), font->lfFaceName) == list.end())
        list.emplace_back(font->lfFaceName);
    return 1;
}

} // namespace

std::vector<bool> missingGlyphs(HDC dc, HFONT font, std::wstring_view text)
{
    std::vector<bool> missing(text.size());
    // Plain ASCII, as the clock mostly is, needs no look into the font.
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; }))
        return missing;
    const HGDIOBJ old = SelectObject(dc, font);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(
        dc, text.data(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        missing[i] = glyphs[i] == 0xFFFF && c != L' ' && c != L'\n' && (c < 0xD800 || c > 0xDFFF);
    }
    return missing;
}

std::wstring faceWithLetters(std::wstring_view letters)
{
    HDC dc = CreateCompatibleDC(nullptr);
    std::vector<std::wstring> families;
    LOGFONTW any {};
    any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &any, noteFamily, reinterpret_cast<LPARAM>(&families), 0);
    std::wstring face;
    for (const std::wstring& family : families) {
        HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, family.c_str());
        const std::vector<bool> missing = missingGlyphs(dc, font, letters);
        DeleteObject(font);
        if (std::none_of(missing.begin(), missing.end(), [](bool m) { return m; })) {
            face = family;
            break;
        }
    }
    DeleteDC(dc);
    return face;
}

} // namespace ui::win32
