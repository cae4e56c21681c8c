#include "painted_banner.h"

namespace ui::win32 {

namespace {

bool overlaps(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

} // namespace

PaintedBanner::PaintedBanner(HINSTANCE instance, WindowColors& colors)
    : colors_(colors)
    , portrait_(instance)
    , source_(CreateCompatibleDC(nullptr))
{
}

PaintedBanner::~PaintedBanner() { DeleteDC(source_); }

void PaintedBanner::layOut(HWND window, int dpi, const ControlFonts& fonts)
{
    window_ = window;
    labels_.layOut(window, dpi, fonts);
    portrait_.layOut(window, dpi);
    // The banner's strip, from the top down to the picture's foot, is what the ticks
    // redraw.
    buffer_.keep({ twipsToPixels(windowRow().clientWidth, dpi), portrait_.place().bottom });
    InvalidateRect(window, nullptr, FALSE);
}

void PaintedBanner::labelColorChanged(Control label)
{
    const RECT inked = labels_.inked(label);
    InvalidateRect(window_, &inked, FALSE);
}

void PaintedBanner::colorsChanged()
{
    labels_.forgetDrawings(); // drawn in the colours of before
    InvalidateRect(window_, nullptr, FALSE);
}

void PaintedBanner::movePicture(float twips)
{
    const RECT before = portrait_.place();
    if (!portrait_.moveTo(twips))
        return;
    const RECT after = portrait_.place();
    InvalidateRect(window_, &before, FALSE);
    InvalidateRect(window_, &after, FALSE);
}

RECT PaintedBanner::place(Control control) const
{
    return control == Control::Image1 ? portrait_.place() : labels_.box(control);
}

void PaintedBanner::paint()
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window_, &paint);
    const RECT& area = paint.rcPaint;
    if (!IsRectEmpty(&area)) {
        HDC dc = buffer_.begin(target, area);
        FillRect(dc, &area, colors_.windowBrush());
        // The labels lie under the picture, as in the table's stacking.
        if (overlaps(labels_.band(), area))
            labels_.draw(dc, source_, colors_);
        if (overlaps(portrait_.place(), area))
            portrait_.draw(dc, source_);
        buffer_.end();
    }
    EndPaint(window_, &paint);
}

} // namespace ui::win32
