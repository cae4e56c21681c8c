#include "display_fit.h"

#include "ui/text_fit.h"
#include "wide_text.h"

#include <cmath>
#include <string>

namespace ui::win32 {

namespace {

int widthIn(HDC dc, HFONT font, std::wstring_view text)
{
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size {};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return static_cast<int>(size.cx);
}

} // namespace

DisplayFit::~DisplayFit() { DeleteObject(scaled_); }

void DisplayFit::fit(HWND display, HFONT normal, int indicator)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(display)), L'\0');
    GetWindowTextW(display, text.data(), static_cast<int>(text.size()) + 1);
    RECT client;
    GetClientRect(display, &client);
    HDC dc = GetDC(display);
    const HGDIOBJ old = SelectObject(dc, normal);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    // The edit box keeps a margin of its own of about two thirds of a letter.
    const int room = client.right - indicator - 2 * metrics.tmAveCharWidth / 3;
    const DisplayScale scale = displayScale(fromWide(text), room, [&](std::u16string_view piece) {
        return static_cast<double>(widthIn(dc, normal, toWide(piece)));
    });

    HFONT font = normal;
    if (scale.stretch < 1.0 || scale.size < 1.0) {
        LOGFONTW logical {};
        GetObjectW(normal, sizeof logical, &logical);
        const double height = logical.lfHeight;
        const double width = metrics.tmAveCharWidth * scale.size * scale.stretch;
        logical.lfHeight = static_cast<LONG>(std::lround(height * scale.size));
        logical.lfWidth = static_cast<LONG>(std::lround(width));
        font = CreateFontIndirectW(&logical);
        // A result must show whole: where the font's rounding leaves it a little
        // too wide, it is set a pixel narrower at a time.
        for (int tries = 0; text.size() <= kLongestResult && tries < 8
             && widthIn(dc, font, text) > room && logical.lfWidth > 1;
             ++tries) {
            DeleteObject(font);
            --logical.lfWidth;
            font = CreateFontIndirectW(&logical);
        }
        if (scaled_) {
            LOGFONTW held {};
            GetObjectW(scaled_, sizeof held, &held);
            if (held.lfWidth == logical.lfWidth && held.lfHeight == logical.lfHeight) {
                DeleteObject(font); // the display holds this font already
                font = scaled_;
            }
        }
    }
    ReleaseDC(display, dc);
    if (reinterpret_cast<HFONT>(SendMessageW(display, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(display, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        // A new font brings the edit box's own margins back: the text stops short
        // of the memory box, which stands in front of the display's right end.
        SendMessageW(display, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, indicator));
    }
    // A text that shows whole shows from its start: typed a letter at a time, it
    // may have scrolled while it was still set wider.
    if (text.size() <= kLongestResult && SendMessageW(display, EM_GETFIRSTVISIBLELINE, 0, 0) != 0) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(
            display, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageW(display, EM_SETSEL, 0, 0);
        SendMessageW(display, EM_SETSEL, start, end);
    }
    // The scaled font the display held before is let go only once it holds another.
    if (scaled_ && scaled_ != font)
        DeleteObject(scaled_);
    scaled_ = font != normal ? font : nullptr;
}

} // namespace ui::win32
