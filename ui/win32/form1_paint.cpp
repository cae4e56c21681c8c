#include "form1_window.h"

#include "wide_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

// The window's own surface: the credit labels and the sliding portrait, drawn
// off screen and copied in one go.

namespace ui::win32 {

namespace {

bool overlaps(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

} // namespace

RECT Form1Window::pictureRect() const
{
    const LayoutRow& row = layoutRow(Control::Image1);
    const int left = static_cast<int>(std::lround(pictureLeftTwips_ * dpi_ / kTwipsPerInch));
    const RECT home = pixels(row.left, row.top, row.width, row.height);
    return { left, home.top, left + (home.right - home.left), home.bottom };
}

RECT Form1Window::measureLabelInk(Control label) const
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

// The portrait at the size it is drawn, scaled once for each dpi: it slides on
// every tick, and scaling it anew each time would cost more than the rest of the
// window's drawing.
void Form1Window::scalePortrait()
{
    DeleteObject(scaledPortrait_);
    scaledPortrait_ = nullptr;
    if (!portrait_)
        return;
    const RECT where = pictureRect();
    HDC screen = GetDC(window_);
    HDC scaled = CreateCompatibleDC(screen);
    scaledPortrait_
        = CreateCompatibleBitmap(screen, where.right - where.left, where.bottom - where.top);
    ReleaseDC(window_, screen);
    const HGDIOBJ oldScaled = SelectObject(scaled, scaledPortrait_);
    const HGDIOBJ oldSource = SelectObject(sourceDc_, portrait_);
    BITMAP size {};
    GetObjectW(portrait_, sizeof size, &size);
    SetStretchBltMode(scaled, HALFTONE);
    StretchBlt(scaled, 0, 0, where.right - where.left, where.bottom - where.top, sourceDc_, 0, 0,
        size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(sourceDc_, oldSource);
    SelectObject(scaled, oldScaled);
    DeleteDC(scaled);
}

// The labels over the window's background, drawn once for each set of colours
// they are shown in: the banner cycles them through a handful, and copying the
// drawn captions costs a fraction of drawing them.
HBITMAP Form1Window::labelBand()
{
    std::vector<std::uint32_t> colors;
    for (const LayoutRow& row : layoutRows())
        if (row.kind == ControlKind::Label)
            colors.push_back(foreColors_[index(row.id)]);
    for (const LabelBand& band : labelBands_)
        if (band.colors == colors)
            return band.bitmap;
    constexpr std::size_t kMostBands = 8; // the banner shows five
    if (labelBands_.size() >= kMostBands)
        forgetLabelBands();
    HDC screen = GetDC(window_);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, labelBandRect_.right - labelBandRect_.left,
        labelBandRect_.bottom - labelBandRect_.top);
    ReleaseDC(window_, screen);
    const HGDIOBJ old = SelectObject(sourceDc_, bitmap);
    SetViewportOrgEx(sourceDc_, -labelBandRect_.left, -labelBandRect_.top, nullptr);
    FillRect(sourceDc_, &labelBandRect_, background_);
    for (const LayoutRow& row : layoutRows())
        if (row.kind == ControlKind::Label)
            drawLabel(sourceDc_, row);
    SetViewportOrgEx(sourceDc_, 0, 0, nullptr);
    SelectObject(sourceDc_, old);
    labelBands_.push_back({ std::move(colors), bitmap });
    return bitmap;
}

void Form1Window::forgetLabelBands()
{
    for (const LabelBand& band : labelBands_)
        DeleteObject(band.bitmap);
    labelBands_.clear();
}

void Form1Window::copyImage(HDC dc, HBITMAP image, const RECT& where)
{
    const HGDIOBJ old = SelectObject(sourceDc_, image);
    BitBlt(dc, where.left, where.top, where.right - where.left, where.bottom - where.top, sourceDc_,
        0, 0, SRCCOPY);
    SelectObject(sourceDc_, old);
}

void Form1Window::paint()
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window_, &paint);
    const RECT& area = paint.rcPaint;
    if (!IsRectEmpty(&area)) {
        HDC dc = paintBuffer_.begin(target, area);
        FillRect(dc, &area, background_);
        // The labels lie under the picture, as in the table's stacking.
        if (overlaps(labelBandRect_, area))
            copyImage(dc, labelBand(), labelBandRect_);
        if (const RECT where = pictureRect(); scaledPortrait_ && overlaps(where, area))
            copyImage(dc, scaledPortrait_, where);
        paintBuffer_.end();
    }
    EndPaint(window_, &paint);
}

} // namespace ui::win32
