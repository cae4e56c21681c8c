#pragma once

#include <windows.h>

namespace ui::win32 {

// The sliding portrait, drawn on the window's own surface at the size of its box,
// scaled once for each dpi: it slides on every tick, and scaling it anew each time
// would cost more than the rest of the window's drawing.
class Portrait {
public:
    explicit Portrait(HINSTANCE instance);
    ~Portrait();
    Portrait(const Portrait&) = delete;
    Portrait& operator=(const Portrait&) = delete;

    // Scales the picture for a dpi; the window's context tells what it is drawn on.
    void layOut(HWND window, int dpi);
    // Moves its left edge, in twips from the client area's; false where that moves
    // it by less than a pixel.
    bool moveTo(float twips);
    // Where it is drawn, in pixels.
    RECT place() const;
    // Copies it onto dc, with source as a spare context.
    void draw(HDC dc, HDC source) const;

private:
    HBITMAP picture_;
    HBITMAP scaled_ = nullptr; // at the size it is drawn
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    float leftTwips_; // kept unrounded: the picture moves in twips
};

} // namespace ui::win32
