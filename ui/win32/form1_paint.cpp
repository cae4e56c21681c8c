#include "form1_window.h"

#include "wide_text.h"

#include <algorithm>
#include <cmath>

// The window's own surface: the credit labels and the sliding portrait, drawn
// off screen and copied in one go.

namespace ui::win32 {

RECT Form1Window::pictureRect() const
{
    const LayoutRow& row = layoutRow(Control::Image1);
    const int left = static_cast<int>(std::lround(pictureLeftTwips_ * dpi_ / kTwipsPerInch));
    const RECT home = pixels(row.left, row.top, row.width, row.height);
    return { left, home.top, left + (home.right - home.left), home.bottom };
}

RECT Form1Window::labelInkRect(Control label) const
{
    // A caption may reach below its label's box (descenders in a tight box); the
    // whole of it is drawn and repainted.
    const LayoutRow& row = layoutRow(label);
    RECT box = pixels(row.left, row.top, row.width, row.height);
    RECT ink = box;
    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, latinFonts_[index(label)]);
    const std::wstring caption = toWide(row.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &ink,
        DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    const int spill = std::max(0L, (ink.right - ink.left) - (box.right - box.left)) / 2 + 1;
    return { box.left - spill, box.top, box.right + spill, std::max(box.bottom, ink.bottom) };
}

void Form1Window::drawLabel(HDC dc, const LayoutRow& row)
{
    const HGDIOBJ old = SelectObject(dc, latinFonts_[index(row.id)]);
    SetTextColor(dc, colorRef(foreColors_[index(row.id)]));
    SetBkMode(dc, TRANSPARENT);
    RECT box = pixels(row.left, row.top, row.width, row.height);
    const std::wstring caption = toWide(row.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
        DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, old);
}

void Form1Window::paint()
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window_, &paint);
    const RECT& area = paint.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        // Drawn off screen first, so the sliding picture never flickers.
        HDC dc = CreateCompatibleDC(target);
        HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
        const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
        FillRect(dc, &area, background_);
        for (const LayoutRow& row : layoutRows()) {
            if (row.kind == ControlKind::Label) {
                drawLabel(dc, row);
            } else if (row.kind == ControlKind::Picture && portrait_) {
                const RECT where = pictureRect();
                HDC picture = CreateCompatibleDC(dc);
                const HGDIOBJ oldPicture = SelectObject(picture, portrait_);
                BITMAP size {};
                GetObjectW(portrait_, sizeof size, &size);
                SetStretchBltMode(dc, HALFTONE);
                StretchBlt(dc, where.left, where.top, where.right - where.left,
                    where.bottom - where.top, picture, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
                SelectObject(picture, oldPicture);
                DeleteDC(picture);
            }
        }
        BitBlt(target, area.left, area.top, width, height, dc, area.left, area.top, SRCCOPY);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    EndPaint(window_, &paint);
}

} // namespace ui::win32
