#include "ui/text_fit.h"

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
