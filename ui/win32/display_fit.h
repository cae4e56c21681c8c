#pragma once

#include <windows.h>

namespace ui::win32 {

// The display's font for its text. The text stops where the memory box begins;
// a result wider than that room is set narrower and, where it takes, smaller, so
// that it shows whole; a longer typed entry is set narrower only so far and
// scrolls with the caret in sight (ui::displayScale decides, measuring no more
// than a long text's beginning).
class DisplayFit {
public:
    DisplayFit() = default;
    ~DisplayFit();
    DisplayFit(const DisplayFit&) = delete;
    DisplayFit& operator=(const DisplayFit&) = delete;

    // Gives the display the font for its text; normal is its font at full size
    // and width, and the text's room ends indicator pixels short of its right edge.
    void fit(HWND display, HFONT normal, int indicator);

private:
    HFONT scaled_ = nullptr; // the display's, for a text wider than its room
};

} // namespace ui::win32
