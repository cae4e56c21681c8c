#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace ui::win32 {

// A white surface to draw a line on in black and find where it left ink, kept for
// the next line: the clock measures one every second.
class InkCanvas {
public:
    InkCanvas();
    ~InkCanvas();
    InkCanvas(const InkCanvas&) = delete;
    InkCanvas& operator=(const InkCanvas&) = delete;

    // The surface to draw on in black.
    HDC dc() const { return dc_; }
    // Makes the surface white over at least size, for a drawing.
    void clear(SIZE size);
    // Where the drawing since clear() left ink within its size; nothing where none.
    std::optional<RECT> ink() const;

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    SIZE capacity_ {};
    SIZE used_ {};
};

} // namespace ui::win32
