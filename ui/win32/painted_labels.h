#pragma once

#include "control_fonts.h"
#include "window_colors.h"

#include <windows.h>

#include <array>
#include <vector>

namespace ui::win32 {

// The credit labels, drawn on the window's own surface. They are drawn once for
// each set of colours they are shown in and copied after that: the banner cycles
// them through a handful, and copying the drawn captions costs a fraction of
// drawing them.
class PaintedLabels {
public:
    PaintedLabels() = default;
    ~PaintedLabels();
    PaintedLabels(const PaintedLabels&) = delete;
    PaintedLabels& operator=(const PaintedLabels&) = delete;

    // Measures where each caption is drawn, in the fonts at their dpi.
    void layOut(HWND window, int dpi, const ControlFonts& fonts);
    // The labels' colours changed everywhere (the desktop's colours).
    void forgetDrawings();

    // A label's box, and where its caption leaves ink: a caption may reach below its
    // box (descenders in a tight box), and the whole of it is drawn and repainted.
    RECT box(Control label) const { return boxes_[index(label)]; }
    RECT inked(Control label) const { return inked_[index(label)]; }
    // Around every caption.
    const RECT& band() const { return band_; }

    // Copies the labels in their colours onto dc, over the window's background,
    // with source as a spare context.
    void draw(HDC dc, HDC source, WindowColors& colors);

private:
    static constexpr std::size_t index(Control id) { return static_cast<std::size_t>(id); }
    HBITMAP drawing(HDC source, WindowColors& colors);

    HWND window_ = nullptr;
    const ControlFonts* fonts_ = nullptr;
    std::array<RECT, kControlCount> boxes_ {};
    std::array<RECT, kControlCount> inked_ {};
    RECT band_ {};
    struct Drawing {
        std::vector<COLORREF> colors; // each label's, in the table's order
        HBITMAP bitmap;
    };
    std::vector<Drawing> drawings_;
};

} // namespace ui::win32
