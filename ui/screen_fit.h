#pragma once

namespace ui {

// A width and a height, in one unit (CSS pixels in the browser).
struct Extent {
    double width = 0;
    double height = 0;
};

// Where a box shows on a screen: the share of its own size it is drawn at, and
// where its top-left corner goes, from the screen's.
struct ScreenPlace {
    double scale = 1;
    double left = 0;
    double top = 0;
    bool operator==(const ScreenPlace&) const = default;
};

// The window, or a message box, on a screen of the given size: at its own size where
// that fits, never larger (the user's zoom enlarges it, not this); on a smaller screen
// drawn smaller, evenly in width and height, just so far that the whole box shows
// without scrolling. Never stretched and never laid out anew: the same box, scaled.
// Centred both ways, on whole units, so that a box at its own size stays sharp. A
// screen with no size yet (a page not shown) leaves the box as it is.
ScreenPlace placeOnScreen(Extent box, Extent screen);

} // namespace ui
