#include "paint_buffer.h"

namespace ui::win32 {

PaintBuffer::~PaintBuffer()
{
    if (dc_)
        DeleteDC(dc_);
    DeleteObject(kept_);
}

void PaintBuffer::keep(SIZE size)
{
    if (size.cx == keptSize_.cx && size.cy == keptSize_.cy)
        return;
    DeleteObject(kept_);
    kept_ = nullptr;
    keptSize_ = size;
}

HDC PaintBuffer::begin(HDC target, const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (!dc_)
        dc_ = CreateCompatibleDC(target);
    HBITMAP surface = nullptr;
    if (width <= keptSize_.cx && height <= keptSize_.cy) {
        if (!kept_)
            kept_ = CreateCompatibleBitmap(target, keptSize_.cx, keptSize_.cy);
        surface = kept_;
    } else {
        surface = temporary_ = CreateCompatibleBitmap(target, width, height);
    }
    original_ = SelectObject(dc_, surface);
    SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
    target_ = target;
    area_ = area;
    return dc_;
}

void PaintBuffer::end()
{
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
        area_.left, area_.top, SRCCOPY);
    SelectObject(dc_, original_);
    DeleteObject(temporary_);
    temporary_ = nullptr;
}

} // namespace ui::win32
