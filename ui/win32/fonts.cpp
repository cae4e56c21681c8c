#include "fonts.h"

#include "wide_text.h"

#include <algorithm>
#include <cmath>
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

bool hasGlyphsFor(HFONT font, std::u16string_view text)
{
    // Plain ASCII, as the clock mostly is, needs no look into the font on every tick.
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; }))
        return true;
    FontContext context(font);
    const std::wstring characters = toWide(text);
    std::vector<WORD> glyphs(characters.size());
    GetGlyphIndicesW(context.dc(), characters.c_str(), static_cast<int>(characters.size()),
        glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        // Blanks and surrogate halves have no glyph of their own in any face.
        const wchar_t c = characters[i];
        if (glyphs[i] == 0xFFFF && c != L' ' && (c < 0xD800 || c > 0xDFFF))
            return false;
    }
    return true;
}

} // namespace ui::win32
