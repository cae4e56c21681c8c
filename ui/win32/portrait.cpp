#include "portrait.h"

#include "assets/resource_ids.h"
#include "dpi.h"

#include <cmath>

namespace ui::win32 {

Portrait::Portrait(HINSTANCE instance)
    : picture_(static_cast<HBITMAP>(LoadImageW(
        instance, MAKEINTRESOURCEW(IDB_PORTRAIT), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
    , leftTwips_(static_cast<float>(layoutRow(Control::Image1).left))
{
}

Portrait::~Portrait()
{
    DeleteObject(picture_);
    DeleteObject(scaled_);
}

RECT Portrait::place() const
{
    const RECT home = pixelRect(layoutRow(Control::Image1), dpi_);
    const int left = static_cast<int>(std::lround(leftTwips_ * dpi_ / kTwipsPerInch));
    return { left, home.top, left + (home.right - home.left), home.bottom };
}

bool Portrait::moveTo(float twips)
{
    const RECT before = place();
    leftTwips_ = twips;
    return place().left != before.left;
}

void Portrait::layOut(HWND window, int dpi)
{
    dpi_ = dpi;
    DeleteObject(scaled_);
    scaled_ = nullptr;
    if (!picture_)
        return;
    const RECT where = place();
    const int width = where.right - where.left;
    const int height = where.bottom - where.top;
    HDC screen = GetDC(window);
    HDC target = CreateCompatibleDC(screen);
    HDC source = CreateCompatibleDC(screen);
    scaled_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(window, screen);
    const HGDIOBJ oldTarget = SelectObject(target, scaled_);
    const HGDIOBJ oldSource = SelectObject(source, picture_);
    BITMAP size {};
    GetObjectW(picture_, sizeof size, &size);
    SetStretchBltMode(target, HALFTONE);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    DeleteDC(source);
    DeleteDC(target);
}

void Portrait::draw(HDC dc, HDC source) const
{
    if (!scaled_)
        return;
    const RECT where = place();
    const HGDIOBJ old = SelectObject(source, scaled_);
    BitBlt(dc, where.left, where.top, where.right - where.left, where.bottom - where.top, source, 0,
        0, SRCCOPY);
    SelectObject(source, old);
}

} // namespace ui::win32
