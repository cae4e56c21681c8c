#include "ui/clock_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Every character 0.6 of the type size wide, a blank half that; ink from a fifth of
// the type size below the line's top to a type size.
struct TestFace final : ui::LineMeasurer {
    int width(std::u16string_view text, int pixels) const override
    {
        int tenths = 0;
        for (const char16_t c : text)
            tenths += c == u' ' ? 3 * pixels : 6 * pixels;
        return (tenths + 9) / 10;
    }
    std::optional<ui::Ink> ink(std::u16string_view text, int pixels) const override
    {
        return ui::Ink { 0, pixels / 5, width(text, pixels), pixels };
    }
};

// Writes the date and each form's time as a test gives them.
struct TestFormatter final : ui::ClockFormatter {
    std::function<std::u16string(int month)> date = [](int) { return u"28/9/26"; };
    std::function<std::u16string(ui::ClockForm, int hour)> time;

    std::u16string clockText(ui::ClockForm form, const ui::LocalTime& when) const override
    {
        return date(when.month) + u'\n' + time(form, when.hour);
    }
};

// Each form's time, the same at every hour.
std::function<std::u16string(ui::ClockForm, int)> times(
    std::u16string longTime, std::u16string shortTime, std::u16string twentyFour)
{
    return [=](ui::ClockForm form, int) {
        switch (form) {
        case ui::ClockForm::LongTime:
            return longTime;
        case ui::ClockForm::ShortTimeWithSeconds:
            return shortTime;
        default:
            return twentyFour;
        }
    };
}

struct ChoiceCase {
    const char* name;
    TestFormatter formatter;
    ui::ClockChoice expected;
};

// The clock box: 77 x 37 pixels inside, 13-pixel type. A line of nine characters
// fits at that size, of ten only from 12 pixels down.
TEST(ClockForm, FirstFormThatShowsWholeThenSmaller)
{
    using enum ui::ClockForm;
    const auto clock = [](auto time, std::function<std::u16string(int)> date = {}) {
        TestFormatter formatter;
        formatter.time = time;
        if (date)
            formatter.date = date;
        return formatter;
    };
    const ChoiceCase cases[] = {
        { "the long time fits", clock(times(u"10:58:58", u"x", u"x")), { LongTime, 13 } },
        { "its day-half name breaks the line: the short time",
            clock(times(u"10:58:58 PM", u"10:58:58", u"x")), { ShortTimeWithSeconds, 13 } },
        { "the 24-hour time where neither fits",
            clock(times(u"10:58:58 PM", u"10:58:58 pm", u"22:58:58")), { TwentyFourHours, 13 } },
        { "only in the evening is the long time too wide", clock([](ui::ClockForm form, int hour) {
             return form == LongTime && hour >= 12 ? u"10:58:58 nachm." : u"10:58:58";
         }),
            { ShortTimeWithSeconds, 13 } },
        { "none fits: a pixel smaller", clock(times(u"10:58:58PM", u"10:58:58pm", u"22:58:58hh")),
            { LongTime, 12 } },
        { "one month's date is too wide: smaller",
            clock(times(u"10:58:58", u"x", u"x"),
                [](int month) { return month == 9 ? u"28.Sept.26" : u"28.9.26"; }),
            { LongTime, 12 } },
        { "nothing ever fits: the 24-hour time at the smallest size",
            clock(times(u"10:58:58:58:58:58", u"10:58:58 10:58:58", u"22:58:58:58:58:58")),
            { TwentyFourHours, 8 } },
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ui::chooseClockForm(c.formatter, { 77, 37, 13 }, TestFace {}), c.expected);
    }
}

} // namespace
