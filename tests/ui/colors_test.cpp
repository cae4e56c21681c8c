#include "ui/colors.h"

#include <gtest/gtest.h>

namespace {

using ui::Control;
using ui::Rgb;

constexpr Rgb kBlack { 0, 0, 0 };
constexpr Rgb kWhite { 255, 255, 255 };

ui::SystemColors light(std::optional<Rgb> inactiveTitleBar)
{
    return { { 240, 240, 240 }, kBlack, kBlack, inactiveTitleBar };
}

struct BoxCase {
    const char* name;
    std::optional<Rgb> inactiveTitleBar;
    Rgb boxes;
};

// The memory, clock and phrase boxes keep the desktop's inactive title bar where the
// clock's dark red reads on it, else take the light neutral.
TEST(Colors, BoxBackgroundReadsUnderTheDarkRed)
{
    const BoxCase cases[] = {
        { "a desktop without one", std::nullopt, ui::kLightNeutral },
        { "the classic grey of wine and the classic scheme", Rgb { 128, 128, 128 },
            ui::kLightNeutral },
        { "Windows 10 and 11", Rgb { 191, 205, 219 }, ui::kLightNeutral },
        { "a high-contrast black scheme", kBlack, ui::kLightNeutral },
        { "a light one", Rgb { 250, 250, 250 }, Rgb { 250, 250, 250 } },
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ui::Palette palette(light(c.inactiveTitleBar));
        for (const Control box : { Control::Text2, Control::Text3, Control::Text4 })
            EXPECT_EQ(palette.background(box), c.boxes);
        EXPECT_GE(ui::contrast(palette.text(Control::Text3), *palette.background(Control::Text3)),
            ui::kReadableContrast);
    }
}

// A system text colour stays where it reads on what it is drawn on, else black or
// white; the layout's fixed colours are drawn as they are.
TEST(Colors, SystemTextReadsFixedTextIsExact)
{
    const ui::Palette dark({ { 53, 53, 53 }, { 238, 238, 236 }, { 238, 238, 236 }, std::nullopt });
    EXPECT_EQ(dark.text(Control::Label1), kBlack);                    // on the window's light blue
    EXPECT_EQ(dark.text(Control::Text2), kBlack);                     // on the light neutral
    EXPECT_EQ(dark.text(Control::Command1), (Rgb { 238, 238, 236 })); // on its own face
    EXPECT_EQ(dark.text(Control::Label1, 65535), (Rgb { 255, 255, 0 })); // the banner's yellow
    EXPECT_EQ(dark.text(Control::TEXT1), (Rgb { 0, 0, 255 }));
    EXPECT_EQ(dark.background(Control::TEXT1), (Rgb { 192, 192, 255 }));
    EXPECT_EQ(dark.background(Control::Label1), std::nullopt);
    EXPECT_EQ(dark.window(), (Rgb { 128, 128, 255 }));

    const ui::Palette blackOnBlack({ kBlack, kBlack, kBlack, std::nullopt });
    EXPECT_EQ(blackOnBlack.text(Control::Command1), kWhite);
    EXPECT_NEAR(ui::contrast(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ui::contrast(Rgb { 192, 0, 0 }, ui::kLightNeutral), 4.7, 0.05);
}

} // namespace
