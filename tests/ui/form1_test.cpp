// Form1 over a platform without a toolkit: what it decides of what the window shows
// besides the keys' work.

#include "ui/fake_platform.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

namespace {

using testing_support::FakePlatform;
using ui::Control;

// The clock's form is chosen on the first tick, with the clock box's own measure, and
// again when that changes; the clock shows in it.
TEST(Form1, ClockInTheFormItsBoxHolds)
{
    FakePlatform platform;
    ui::Form1 form(platform);
    form.Form_Load();
    EXPECT_FALSE(form.clockChoice());
    // Characters 0.6 of the type wide: "28/12/2026" fits the box only at 12 pixels, and
    // "10:58:58 PM" on no line of it.
    form.Timer1_Timer();
    EXPECT_EQ(form.clockChoice(), (ui::ClockChoice { ui::ClockForm::TwentyFourHours, 12 }));
    EXPECT_EQ(platform.textOf(Control::Text3), u"6/12/2026\n20:15:00");
    EXPECT_EQ(platform.layouts[FakePlatform::index(Control::Text3)].typeSize, 12);
    EXPECT_EQ(platform.layouts[FakePlatform::index(Control::Text3)].lines.size(), 2U);

    platform.measurer.advance = 4; // a narrower face arrived
    form.measuresChanged();
    EXPECT_EQ(form.clockChoice(), (ui::ClockChoice { ui::ClockForm::LongTime, 13 }));
    form.Timer1_Timer();
    EXPECT_EQ(platform.textOf(Control::Text3), u"6/12/2026\n8:15:00 PM");
    EXPECT_EQ(platform.layouts[FakePlatform::index(Control::Text3)].typeSize, 13);
}

// The picture's place is the window's own: it starts where the layout puts it.
TEST(Form1, PictureSlidesFromItsLayoutPlace)
{
    FakePlatform platform;
    platform.lefts.fill(0);
    ui::Form1 form(platform);
    form.Form_Load();
    const auto left = [&] { return platform.lefts[FakePlatform::index(Control::Image1)]; };
    form.Timer1_Timer();
    EXPECT_EQ(left(), 3540.0F);
    for (int tick = 2; tick <= 10; ++tick)
        form.Timer1_Timer();
    EXPECT_EQ(left(), 3720.0F);
    for (int tick = 11; tick <= 17; ++tick)
        form.Timer1_Timer();
    EXPECT_EQ(left(), 1620.0F);
}

// Clicks reach the key's own handler, and nothing else; the display is fitted when
// the home says its text changed.
TEST(Form1, ClicksAndTheDisplay)
{
    FakePlatform platform;
    ui::Form1 form(platform);
    form.Form_Load();
    for (const Control key : { Control::Command5, Control::Command4, Control::Command17,
             Control::Label1, Control::TEXT1, Control::Timer1 })
        form.click(key);
    EXPECT_EQ(platform.textOf(Control::TEXT1), u"20.");
    platform.textOf(Control::TEXT1) = std::u16string(40, u'7');
    form.displayChanged();
    EXPECT_EQ(platform.displayScale, (ui::DisplayScale { ui::kNarrowestStretch, 1.0 }));
}

} // namespace

namespace {

struct HeardCase {
    const char* name;
    std::vector<Control> keys;
    std::vector<std::u16string> heard;
};

// A key that writes the display has the new text read out, unless it hands the
// display the focus (a reader reads it then); a key that leaves it be says nothing.
TEST(Form1, ReadersHearTheDisplayAfterAKey)
{
    using enum Control;
    const HeardCase cases[] = {
        { "digits, an operator and equals", { Command1, Command5, Command13, Command9, Command12 },
            { u"1", u"12", u"Blank", u"3", u"15" } },
        { "a memory key focuses the display", { Command6, Command22 }, { u"5" } },
        { "AC leaves a blank", { Command6, Command20 }, { u"5", u"Blank" } },
        { "the about box writes nothing", { Command30 }, {} },
        { "a failed key writes nothing", { Command18 }, {} },
    };
    for (const HeardCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        ui::Form1 form(platform);
        form.Form_Load();
        for (const Control key : c.keys)
            form.click(key);
        EXPECT_EQ(platform.announced, c.heard);
    }

    // A long entry typed by hand is read no further than a result's worth.
    FakePlatform platform;
    ui::Form1 form(platform);
    platform.textOf(TEXT1) = std::u16string(1000, u'7');
    form.click(Command8);
    ASSERT_EQ(platform.announced.size(), 1U);
    EXPECT_EQ(platform.announced[0], std::u16string(64, u'7') + u"\u2026");
}

} // namespace
