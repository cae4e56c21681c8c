#include "painted_labels.h"

#include "dpi.h"
#include "wide_text.h"

#include <algorithm>

namespace ui::win32 {

namespace {

constexpr UINT kCaptionFormat = DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

PaintedLabels::~PaintedLabels() { forgetDrawings(); }

void PaintedLabels::forgetDrawings()
{
    for (const Drawing& drawing : drawings_)
        DeleteObject(drawing.bitmap);
    drawings_.clear();
}

void PaintedLabels::layOut(HWND window, int dpi, const ControlFonts& fonts)
{
    window_ = window;
    fonts_ = &fonts;
    band_ = {};
    HDC dc = GetDC(window);
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind != ControlKind::Label)
            continue;
        const RECT box = pixelRect(row, dpi);
        RECT ink = box;
        const HGDIOBJ old = SelectObject(dc, fonts.font(row.id));
        const std::wstring caption = toWide(row.caption);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &ink,
            kCaptionFormat | DT_CALCRECT);
        SelectObject(dc, old);
        const int spill = std::max(0L, (ink.right - ink.left) - (box.right - box.left)) / 2 + 1;
        boxes_[index(row.id)] = box;
        inked_[index(row.id)]
            = { box.left - spill, box.top, box.right + spill, std::max(box.bottom, ink.bottom) };
        UnionRect(&band_, &band_, &inked_[index(row.id)]);
    }
    ReleaseDC(window, dc);
    forgetDrawings();
}

HBITMAP PaintedLabels::drawing(HDC source, WindowColors& colors)
{
    std::vector<COLORREF> shown;
    for (const LayoutRow& row : layoutRows())
        if (row.kind == ControlKind::Label)
            shown.push_back(colors.text(row.id));
    for (const Drawing& drawing : drawings_)
        if (drawing.colors == shown)
            return drawing.bitmap;
    constexpr std::size_t kMostDrawings = 8; // the banner shows five
    if (drawings_.size() >= kMostDrawings)
        forgetDrawings();

    HDC screen = GetDC(window_);
    HBITMAP bitmap
        = CreateCompatibleBitmap(screen, band_.right - band_.left, band_.bottom - band_.top);
    ReleaseDC(window_, screen);
    const HGDIOBJ oldBitmap = SelectObject(source, bitmap);
    SetViewportOrgEx(source, -band_.left, -band_.top, nullptr);
    FillRect(source, &band_, colors.windowBrush());
    SetBkMode(source, TRANSPARENT);
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind != ControlKind::Label)
            continue;
        const HGDIOBJ oldFont = SelectObject(source, fonts_->font(row.id));
        SetTextColor(source, colors.text(row.id));
        RECT box = boxes_[index(row.id)];
        const std::wstring caption = toWide(row.caption);
        DrawTextW(source, caption.c_str(), static_cast<int>(caption.size()), &box,
            kCaptionFormat | DT_NOCLIP);
        SelectObject(source, oldFont);
    }
    SetViewportOrgEx(source, 0, 0, nullptr);
    SelectObject(source, oldBitmap);
    drawings_.push_back({ std::move(shown), bitmap });
    return bitmap;
}

void PaintedLabels::draw(HDC dc, HDC source, WindowColors& colors)
{
    const HGDIOBJ old = SelectObject(source, drawing(source, colors));
    BitBlt(dc, band_.left, band_.top, band_.right - band_.left, band_.bottom - band_.top, source, 0,
        0, SRCCOPY);
    SelectObject(source, old);
}

} // namespace ui::win32
