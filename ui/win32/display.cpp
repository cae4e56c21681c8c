#include "display.h"

#include "wide_text.h"

namespace ui::win32 {

Display::Display()
    : dc_(CreateCompatibleDC(nullptr))
{
}

Display::~Display() { DeleteDC(dc_); }

void Display::holdFont(HFONT font)
{
    fonts_.setShown(font);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // A new font brings the edit box's own margins back.
    SendMessageW(edit_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, indicator_));
}

void Display::setFont(HFONT natural, int indicator)
{
    indicator_ = indicator;
    holdFont(natural); // before the scaled fonts of the font before are let go
    fonts_.setNatural(natural);
}

int Display::widthIn(HFONT font, std::u16string_view text) const
{
    const std::wstring wide = toWide(text);
    const HGDIOBJ old = SelectObject(dc_, font);
    SIZE size {};
    GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &size);
    SelectObject(dc_, old);
    return static_cast<int>(size.cx);
}

double Display::room() const
{
    RECT client {};
    GetClientRect(edit_, &client);
    const HGDIOBJ old = SelectObject(dc_, fonts_.natural());
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc_, &metrics);
    SelectObject(dc_, old);
    // The edit box keeps a margin of its own of about two thirds of a letter.
    return client.right - indicator_ - 2 * metrics.tmAveCharWidth / 3;
}

double Display::naturalWidth(std::u16string_view text) const
{
    return widthIn(fonts_.natural(), text);
}

double Display::drawnWidth(std::u16string_view text, DisplayScale scale) const
{
    return widthIn(fonts_.at(scale), text);
}

void Display::setScale(DisplayScale scale)
{
    const HFONT font = fonts_.at(scale);
    if (reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0)) != font)
        holdFont(font);
    // A text that shows whole shows from its start: typed a letter at a time, it may
    // have scrolled while it was still set wider.
    if (static_cast<std::size_t>(GetWindowTextLengthW(edit_)) <= kLongestResult
        && SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0) != 0) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(
            edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageW(edit_, EM_SETSEL, 0, 0);
        SendMessageW(edit_, EM_SETSEL, start, end);
    }
}

DisplayScale Display::shownScale() const
{
    return fonts_.scaleOf(reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
}

} // namespace ui::win32
