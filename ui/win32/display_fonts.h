#pragma once

#include "ui/display_fit.h"

#include <windows.h>

#include <vector>

namespace ui::win32 {

// The display's fonts: its own, and narrower or smaller ones made from it for a
// scale. A scaled font is made once and kept while the display holds it or it is
// among the last few made: a result is measured at a few scales before one is
// shown, and the display keeps its font while its text keeps its scale.
class DisplayFonts {
public:
    DisplayFonts() = default;
    ~DisplayFonts();
    DisplayFonts(const DisplayFonts&) = delete;
    DisplayFonts& operator=(const DisplayFonts&) = delete;

    // The display's own font, at full size and width (owned by the caller). The
    // fonts made from the one before are let go.
    void setNatural(HFONT natural);
    HFONT natural() const { return natural_; }

    // The font that sets a text at a scale; the display's own at full scale.
    HFONT at(DisplayScale scale);
    // The font the display holds, never let go while it does.
    void setShown(HFONT font) { shown_ = font; }
    // The scale a font of these sets its text at, from its own height and width.
    DisplayScale scaleOf(HFONT font) const;

private:
    struct Scaled {
        LONG height;
        LONG width;
        HFONT font;
    };
    void forgetScaled();

    HFONT natural_ = nullptr;
    LOGFONTW logical_ {};
    int averageWidth_ = 0;       // the natural font's, which a width is a share of
    std::vector<Scaled> scaled_; // the oldest first
    HFONT shown_ = nullptr;
};

} // namespace ui::win32
