#include "ui/display_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ScaleCase {
    const char* name;
    std::size_t length;
    double stretch, size; // expected
};

// Every character 10 units wide, in a room of 150: 15 characters fit as they are.
TEST(DisplayScale, ResultsShowWholeLongEntriesScroll)
{
    const ScaleCase cases[] = {
        { "fits as it is", 15, 1.0, 1.0 },
        { "a little narrower", 17, 150.0 / 170, 1.0 },
        { "the longest result, narrower and smaller", 24, 0.8, 150.0 / 240 / 0.8 },
        { "a typed entry scrolls at the narrowest", 25, 0.8, 1.0 },
        { "a long entry is measured no further than its beginning", 100000, 0.8, 1.0 },
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t longestMeasured = 0;
        const auto scale
            = ui::displayScale(std::u16string(c.length, u'7'), 150, [&](std::u16string_view piece) {
                  longestMeasured = std::max(longestMeasured, piece.size());
                  return 10.0 * static_cast<double>(piece.size());
              });
        EXPECT_DOUBLE_EQ(scale.stretch, c.stretch);
        EXPECT_DOUBLE_EQ(scale.size, c.size);
        EXPECT_LE(longestMeasured, 128u);
    }
}

} // namespace

namespace {

// Ten units a character; as drawn, a scaled text comes out `slack` wider than asked
// (a face's own sizes, whole percents).
struct TestDisplay final : ui::DisplayMeasurer {
    double slack = 0;
    double room() const override { return 150; }
    double naturalWidth(std::u16string_view text) const override { return 10.0 * text.size(); }
    double drawnWidth(std::u16string_view text, ui::DisplayScale scale) const override
    {
        return naturalWidth(text) * scale.stretch * scale.size + slack;
    }
};

// A result that comes out wider than its room as drawn is set smaller until it shows
// whole; a typed entry, which scrolls, and a text that fits are left as they are.
TEST(DisplayScale, ResultsShowWholeAsDrawn)
{
    TestDisplay display;
    display.slack = 4;
    const ui::DisplayScale result = ui::fitDisplay(std::u16string(24, u'7'), display);
    EXPECT_LE(display.drawnWidth(std::u16string(24, u'7'), result), 150);
    EXPECT_GT(
        display.drawnWidth(std::u16string(24, u'7'), { result.stretch, result.size / 0.97 }), 150);
    EXPECT_EQ(ui::fitDisplay(std::u16string(30, u'7'), display), (ui::DisplayScale { 0.8, 1.0 }));
    EXPECT_EQ(ui::fitDisplay(std::u16string(15, u'7'), display), ui::DisplayScale {});
}

} // namespace
