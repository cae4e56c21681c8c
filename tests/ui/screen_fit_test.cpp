#include "ui/screen_fit.h"

#include <gtest/gtest.h>

namespace {

// The window's client area, 6345 x 8430 twips at 15 twips a CSS pixel.
constexpr ui::Extent kWindow { 423, 562 };

struct PlaceCase {
    const char* name;
    ui::Extent screen;
    ui::ScreenPlace place; // expected
};

// At its own size wherever it fits, centred; on a smaller screen, scaled evenly by
// whichever side is short, and centred along the other.
TEST(ScreenFit, TheWholeWindowScaledEvenlyAndCentred)
{
    const PlaceCase cases[] = {
        { "a desktop: its own size, in the middle", { 1280, 1024 }, { 1, 428, 231 } },
        { "a tablet upright: its own size", { 768, 1024 }, { 1, 172, 231 } },
        { "just its size", { 423, 562 }, { 1, 0, 0 } },
        { "a phone upright: as wide as the screen", { 360, 640 }, { 360.0 / 423, 0, 80 } },
        { "a small phone upright", { 320, 568 }, { 320.0 / 423, 0, 71 } },
        { "the smallest phone upright", { 320, 480 }, { 320.0 / 423, 0, 27 } },
        { "a phone sideways: as tall as the screen", { 640, 360 }, { 360.0 / 562, 184, 0 } },
        { "a small phone sideways", { 568, 320 }, { 320.0 / 562, 163, 0 } },
        { "a screen not shown yet", { 0, 0 }, { 1, 0, 0 } },
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ui::ScreenPlace place = ui::placeOnScreen(kWindow, c.screen);
        EXPECT_DOUBLE_EQ(place.scale, c.place.scale);
        EXPECT_EQ(place.left, c.place.left);
        EXPECT_EQ(place.top, c.place.top);
    }
}

// On every screen from 320 x 480 up, either way round, the scaled window lies wholly
// on it, one side filling the screen where it had to be made smaller. Sizes are
// compared to a hair (far below the 64th of a pixel a page is laid out in), as a
// scale's rounding may leave its product a last binary place over.
TEST(ScreenFit, NothingPastTheEdges)
{
    constexpr double kHair = 1e-9;
    for (double width = 320; width <= 1400; width += 7) {
        for (double height = 320; height <= 1400; height += 11) {
            const ui::ScreenPlace place = ui::placeOnScreen(kWindow, { width, height });
            const double right = place.left + kWindow.width * place.scale;
            const double bottom = place.top + kWindow.height * place.scale;
            ASSERT_LE(right, width + kHair) << width << " x " << height;
            ASSERT_LE(bottom, height + kHair) << width << " x " << height;
            ASSERT_LE(place.scale, 1.0);
            if (place.scale < 1) {
                ASSERT_TRUE(right >= width - kHair || bottom >= height - kHair)
                    << width << " x " << height;
            }
        }
    }
}

} // namespace
