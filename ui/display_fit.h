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
    bool operator==(const DisplayScale&) const = default;
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

// What only a home can tell of the display: the room its text has before the memory
// box, and how wide its face sets a text, as laid out and at a scale.
class DisplayMeasurer {
public:
    virtual ~DisplayMeasurer() = default;
    virtual double room() const = 0;
    virtual double naturalWidth(std::u16string_view text) const = 0;
    virtual double drawnWidth(std::u16string_view text, DisplayScale scale) const = 0;
};

// The scale the display sets its text at: displayScale's, and for a result a step
// smaller again while it is still wider than the room as drawn (whole percents, a
// face's own sizes and its rounding may leave it a little wide).
DisplayScale fitDisplay(std::u16string_view text, const DisplayMeasurer& measurer);

} // namespace ui
