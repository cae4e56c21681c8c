#pragma once

#include "controls.h"

#include <cstdint>
#include <optional>

namespace ui {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The desktop's own colours, as a home reads them from its system.
struct SystemColors {
    Rgb buttonFace;
    Rgb buttonText;
    Rgb windowText; // text in edit boxes
    // The classic desktop's inactive title bar, where the desktop still has one.
    std::optional<Rgb> inactiveTitleBar;
};

// #DCDCDC: the clock's and the phrase's dark red stands out on it at 4.7 to 1.
inline constexpr Rgb kLightNeutral { 220, 220, 220 };

// The contrast readable text needs against what it is drawn on.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 (alike) to 21 (black on white).
double contrast(Rgb a, Rgb b);

// The colours the window is drawn in: the layout's fixed colours exactly, its system
// colours as the desktop has them, where they read. A system text colour on a
// background that does not follow the desktop (a dark palette's light text on the
// window's light blue) is kept where it stands out there at 4.5 to 1, else it gives
// way to black or white, whichever stands out more. The inactive title bar, behind
// the memory, clock and phrase boxes, is the desktop's where the fixed dark red drawn
// on it stands out at 4.5 to 1, else the light neutral.
class Palette {
public:
    explicit Palette(const SystemColors& system);

    Rgb window() const;
    // Behind a control; nothing where it is transparent and the window shows through.
    std::optional<Rgb> background(Control control) const;
    // A control's text in a colour the layout or a handler gives (0x00BBGGRR, or a
    // system colour's index), as drawn on the control's background.
    Rgb text(Control control, std::uint32_t color) const;
    // A control's text in its layout colour.
    Rgb text(Control control) const;

private:
    Rgb resolve(std::uint32_t color) const;

    SystemColors system_;
    Rgb boxBackground_;
};

} // namespace ui
