#include "fonts.h"

#include "wide_text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace ui::win32 {

namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool isInstalled(HDC dc, std::wstring_view face, BYTE charset)
{
    LOGFONTW wanted {};
    wanted.lfCharSet = charset;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring wide(std::string_view ascii) { return { ascii.begin(), ascii.end() }; }

// A memory device context with the font selected, for questions about it.
class FontContext {
public:
    explicit FontContext(HFONT font)
        : dc_(CreateCompatibleDC(nullptr))
        , old_(SelectObject(dc_, font))
    {
    }
    ~FontContext()
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    FontContext(const FontContext&) = delete;
    FontContext& operator=(const FontContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace

FontFaces FontFaces::installed()
{
    const WindowRow& window = windowRow();
    const std::wstring preferred = wide(window.fontFamily);
    HDC screen = GetDC(nullptr);
    FontFaces faces;
    if (isInstalled(screen, preferred, DEFAULT_CHARSET)) {
        faces.latin = faces.arabic = preferred;
    } else {
        faces.latin = wide(window.metricTwinFamily);
        faces.arabic = wide(window.arabicFamily);
    }
    faces.latinHasArabicCharset = isInstalled(screen, faces.latin, ARABIC_CHARSET);
    ReleaseDC(nullptr, screen);
    return faces;
}

HFONT createControlFont(const std::wstring& face, bool arabicCharset, const LayoutRow& row, int dpi)
{
    // The character set weighs more than the name when the system matches a font:
    // a face asked for with a set it lacks would be swapped for another face.
    const BYTE charset = row.westernCharset ? ANSI_CHARSET
        : arabicCharset                     ? ARABIC_CHARSET
                                            : DEFAULT_CHARSET;
    const int height = -static_cast<int>(std::lround(row.fontPoints * dpi / 72.0));
    return CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, charset, OUT_TT_PRECIS,
        CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_ROMAN, face.c_str());
}

std::wstring resolvedFace(HFONT font)
{
    FontContext context(font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(context.dc(), LF_FACESIZE, face);
    return face;
}

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

std::wstring faceWithLetters(std::wstring_view letters)
{
    static std::map<std::wstring, std::wstring, std::less<>> found;
    if (const auto known = found.find(letters); known != found.end())
        return known->second;
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
    found.emplace(letters, face);
    return face;
}

} // namespace ui::win32
