#include "font_faces.h"

#include <cmath>

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
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    return face;
}

} // namespace ui::win32
