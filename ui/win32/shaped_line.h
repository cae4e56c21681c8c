#pragma once

#include "box_faces.h"

#include <usp10.h>
#include <windows.h>

#include <vector>

namespace ui::win32 {

// A line shaped by Uniscribe (joined Arabic letters, right to left), run by run, on
// one device context. Measured and drawn from the one shaping, so a line is as wide
// as it is drawn.
class ShapedLine {
public:
    ShapedLine(HDC dc, const std::vector<FaceRun>& runs);
    ~ShapedLine();
    ShapedLine(const ShapedLine&) = delete;
    ShapedLine& operator=(const ShapedLine&) = delete;

    // The advance of the whole line, in pixels.
    int width() const;
    // Draws the line in the context's text colour, its advance from x and its
    // baseline at y.
    void draw(int x, int baseline) const;

private:
    struct Run {
        SCRIPT_STRING_ANALYSIS analysis;
        HFONT font;
        int ascent;
        int width;
    };
    HDC dc_;
    std::vector<Run> runs_;
};

} // namespace ui::win32
