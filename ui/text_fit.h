#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace ui {

// How the display sets a text: the share of its natural width each letter keeps
// (narrower letters) and the share of its type size (smaller letters).
struct DisplayScale {
    double stretch = 1.0;
    double size = 1.0;
};

inline constexpr double kNarrowestStretch = 0.8;
// The longest text a key writes: a result with a sign, fifteen digits, a point, an
// exponent and a percent sign, "-1.23456789012345E-300%", and one to spare.
inline constexpr std::size_t kLongestResult = 24;

// A result always shows whole in the display's room: set narrower, down to
// kNarrowestStretch, then smaller as well, as far as it takes. A longer text is an
// entry typed by hand: it is set narrower only as far as kNarrowestStretch and
// scrolls. Only a bounded beginning of a long text is measured: a long entry would
// otherwise be laid out whole on every key, only to learn that it cannot fit.
// naturalWidth measures a piece of text at the display's own font.
DisplayScale displayScale(std::u16string_view text, double room,
    const std::function<double(std::u16string_view)>& naturalWidth);

// The clock and phrase boxes show their text whole on their two lines: where it does
// not fit at the box's type size, they set it one pixel smaller at a time, down to
// this share of it.
inline constexpr double kSmallestBoxTypeShare = 0.6;

} // namespace ui
