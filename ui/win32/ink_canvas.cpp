#include "ink_canvas.h"

#include <algorithm>

namespace ui::win32 {

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

} // namespace

InkCanvas::InkCanvas()
    : dc_(CreateCompatibleDC(nullptr))
{
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
}

InkCanvas::~InkCanvas()
{
    if (original_)
        SelectObject(dc_, original_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void InkCanvas::clear(SIZE size)
{
    if (size.cx > capacity_.cx || size.cy > capacity_.cy) {
        capacity_ = { std::max(size.cx, capacity_.cx), std::max(size.cy, capacity_.cy) };
        BITMAPINFO info {};
        info.bmiHeader
            = { sizeof info.bmiHeader, capacity_.cx, -capacity_.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ old = SelectObject(dc_, bitmap);
        if (!original_)
            original_ = old;
        DeleteObject(bitmap_);
        bitmap_ = bitmap;
        pixels_ = static_cast<std::uint32_t*>(bits);
    }
    used_ = size;
    GdiFlush();
    // Only the rows looked at are cleared.
    std::fill(pixels_, pixels_ + capacity_.cx * size.cy, kWhite);
}

std::optional<RECT> InkCanvas::ink() const
{
    GdiFlush();
    RECT found { used_.cx, used_.cy, 0, 0 };
    for (LONG row = 0; row < used_.cy; ++row) {
        const std::uint32_t* line = pixels_ + row * capacity_.cx;
        for (LONG column = 0; column < used_.cx; ++column) {
            if ((line[column] & kWhite) != kWhite) {
                found.left = std::min(found.left, column);
                found.right = std::max(found.right, column + 1);
                found.top = std::min(found.top, row);
                found.bottom = std::max(found.bottom, row + 1);
            }
        }
    }
    if (found.right <= found.left)
        return std::nullopt;
    return found;
}

} // namespace ui::win32
