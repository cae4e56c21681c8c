#pragma once

#include "box_layout.h"

#include <array>
#include <cstdint>
#include <string>

namespace ui {

// A local date and time, as the clock shows it.
struct LocalTime {
    int year = 0, month = 0, day = 0; // month 1 to 12
    int hour = 0, minute = 0, second = 0;
    bool operator==(const LocalTime&) const = default;
};

// The clock shows the user's short date on its first line and the time on its
// second, in the first of these forms that fits: the user's long time, without the
// zone name some long times add; the short time with the seconds added; that on a
// 24-hour clock, which needs no day-half name.
enum class ClockForm : std::uint8_t { LongTime, ShortTimeWithSeconds, TwentyFourHours };
inline constexpr std::array kClockForms { ClockForm::LongTime, ClockForm::ShortTimeWithSeconds,
    ClockForm::TwentyFourHours };

// What only a home can do: write a time in a form, as its user's settings write it.
class ClockFormatter {
public:
    virtual ~ClockFormatter() = default;
    // The date, a line feed, and the time in the form.
    virtual std::u16string clockText(ClockForm form, const LocalTime& when) const = 0;
};

struct ClockChoice {
    ClockForm form = ClockForm::LongTime;
    int typeSize = 0;
    bool operator==(const ClockChoice&) const = default;
};

// The times whose text is widest: two-digit days and hours, in every month (month
// names differ), before and after noon (so do day-half names).
std::array<LocalTime, 24> widestClockTimes();

// The first form whose date and time each show whole on their line of the clock's
// box at every one of the widest times, at the box's type size; where none does, the
// forms are tried again a pixel smaller at a time, down to 60 % of the size. Chosen
// once, not on every tick.
ClockChoice chooseClockForm(
    const ClockFormatter& formatter, const BoxRoom& room, const LineMeasurer& measurer);

} // namespace ui
