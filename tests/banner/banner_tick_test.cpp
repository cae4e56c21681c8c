#include "banner/banner_tick.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

constexpr std::uint32_t red = 0x0000FF, green = 0x00FF00, yellow = 0x00FFFF, black = 0;

class RecordingSurface final : public banner::BannerSurface {
public:
    std::optional<std::uint32_t> credit, contact;
    float left = 3840; // where the window puts the picture
    int pictureWrites = 0;
    std::u16string now = u"12/6/2026 8:15:00 PM";
    std::u16string clock, phrase;

    void setCreditColor(std::uint32_t bgr) override { credit = bgr; }
    void setContactColor(std::uint32_t bgr) override { contact = bgr; }
    float pictureLeft() const override { return left; }
    void setPictureLeft(float twips) override
    {
        left = twips;
        ++pictureWrites;
    }
    std::u16string currentDateTimeText() const override { return now; }
    void setClockText(std::u16string_view text) override { clock = text; }
    void setPhraseText(std::u16string_view text) override { phrase = text; }
};

// What a user sees after each of the first twenty ticks from start.
struct AfterTick {
    std::uint32_t credit, contact;
    float left;
    int step;
};
constexpr std::array<AfterTick, 20> kFirstTwentyTicks { {
    { red, green, 3540, 2 },
    { green, yellow, 3240, 3 },
    { yellow, red, 2940, 4 },
    { red, green, 2640, 5 },
    { green, yellow, 2340, 6 },
    { yellow, red, 2040, 7 },
    { green, yellow, 1740, 8 },
    { black, black, 3720, 9 },
    { black, black, 3720, 10 },
    { black, black, 3720, 1 },
    { red, green, 3420, 2 },
    { green, yellow, 3120, 3 },
    { yellow, red, 2820, 4 },
    { red, green, 2520, 5 },
    { green, yellow, 2220, 6 },
    { yellow, red, 1920, 7 },
    { green, yellow, 1620, 8 },
    { black, black, 3720, 9 },
    { black, black, 3720, 10 },
    { black, black, 3720, 1 },
} };

TEST(BannerTick, FollowsTheTenStepCycle)
{
    RecordingSurface surface;
    std::uint8_t step = 1;
    for (std::size_t tick = 0; tick < kFirstTwentyTicks.size(); ++tick) {
        SCOPED_TRACE(tick + 1);
        banner::bannerTick(step, surface);
        const AfterTick& expected = kFirstTwentyTicks[tick];
        EXPECT_EQ(surface.credit, expected.credit);
        EXPECT_EQ(surface.contact, expected.contact);
        EXPECT_EQ(surface.left, expected.left);
        EXPECT_EQ(step, expected.step);
        EXPECT_EQ(surface.clock, surface.now);
        EXPECT_EQ(surface.phrase, banner::kPhrase);
    }
}

TEST(BannerTick, RestingStepsTouchOnlyClockAndPhrase)
{
    for (const std::uint8_t resting : { 9, 10 }) {
        SCOPED_TRACE(resting);
        RecordingSurface surface;
        surface.left = 1234.5F;
        surface.phrase = u"typed over";
        std::uint8_t step = resting;
        banner::bannerTick(step, surface);
        EXPECT_FALSE(surface.credit.has_value());
        EXPECT_FALSE(surface.contact.has_value());
        EXPECT_EQ(surface.pictureWrites, 0);
        EXPECT_EQ(surface.left, 1234.5F);
        EXPECT_EQ(step, resting == 10 ? 1 : 10);
        EXPECT_EQ(surface.phrase, banner::kPhrase);
    }
}

TEST(BannerTick, PictureKeepsSinglePrecisionTwips)
{
    RecordingSurface surface;
    surface.left = 1000.25F;
    std::uint8_t step = 3;
    banner::bannerTick(step, surface);
    EXPECT_EQ(surface.left, 700.25F);
}

} // namespace
