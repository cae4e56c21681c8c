#pragma once

#include "control_fonts.h"
#include "paint_buffer.h"
#include "painted_labels.h"
#include "portrait.h"
#include "window_colors.h"

#include <windows.h>

namespace ui::win32 {

// The window's own surface: its background, the credit labels and the sliding
// portrait in front of them, drawn off screen and copied in one go. Only what the
// banner changed is repainted.
class PaintedBanner {
public:
    PaintedBanner(HINSTANCE instance, WindowColors& colors);
    ~PaintedBanner();
    PaintedBanner(const PaintedBanner&) = delete;
    PaintedBanner& operator=(const PaintedBanner&) = delete;

    // Lays the banner out for the window at a dpi, in its fonts there.
    void layOut(HWND window, int dpi, const ControlFonts& fonts);
    // A label's text colour changed; every colour changed (the desktop's).
    void labelColorChanged(Control label);
    void colorsChanged();
    // Slides the portrait to a left edge in twips.
    void movePicture(float twips);
    // Where a label's box or the portrait is, in client pixels.
    RECT place(Control control) const;

    void paint();

private:
    HWND window_ = nullptr;
    WindowColors& colors_;
    PaintedLabels labels_;
    Portrait portrait_;
    PaintBuffer buffer_;
    HDC source_; // to copy the kept drawings from
};

} // namespace ui::win32
