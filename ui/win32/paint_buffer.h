#pragma once

#include <windows.h>

namespace ui::win32 {

// An off-screen surface to draw a window's changed area on, copied to the screen
// in one go so that nothing flickers. The surface for the area drawn most often is
// kept: the banner and the clock are redrawn twice a second, and making a surface
// each time costs more than drawing on it. A larger area gets a surface of its
// own for that once.
class PaintBuffer {
public:
    PaintBuffer() = default;
    ~PaintBuffer();
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // The size of the surface to keep; made when first needed.
    void keep(SIZE size);

    // A surface in the target's coordinates that covers area, until end() copies
    // the area to the target.
    HDC begin(HDC target, const RECT& area);
    void end();

private:
    HDC dc_ = nullptr;
    HBITMAP kept_ = nullptr;
    SIZE keptSize_ {};
    HBITMAP temporary_ = nullptr;
    HGDIOBJ original_ = nullptr;
    HDC target_ = nullptr;
    RECT area_ {};
};

} // namespace ui::win32
