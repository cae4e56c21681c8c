#pragma once

#include "box_faces.h"
#include "ink_canvas.h"
#include "ui/box_layout.h"

#include <windows.h>

namespace ui::win32 {

// How a clock or phrase box sets a line: shaped in the box's faces, with its
// baseline at a fixed share of the type size below the top of its line, and its ink
// found where that leaves it. A line is drawn exactly as it was measured.
class BoxLineMeasurer final : public LineMeasurer {
public:
    // own: the box's font; fallback: a font for the letters it lacks, or null.
    BoxLineMeasurer(HFONT own, HFONT fallback);

    int width(std::u16string_view text, int pixels) const override;
    std::optional<Ink> ink(std::u16string_view text, int pixels) const override;

    // Draws a line in the context's text colour: its advance from x, its line's top
    // at top.
    void draw(HDC dc, std::u16string_view text, int pixels, int x, int top) const;

    // The box's own type size, in pixels.
    int typeSize() const { return faces_.typeSize(); }

private:
    mutable BoxFaces faces_;   // fonts made as sizes are asked for
    mutable InkCanvas canvas_; // kept for the next line
};

} // namespace ui::win32
