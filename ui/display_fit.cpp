#include "display_fit.h"

#include <algorithm>

namespace ui {

namespace {

// A beginning this long is wider than the display's room at the narrowest stretch
// in any face the display is set in, so a longer text is measured no further.
constexpr std::size_t kMeasuredBeginning = 128;

// Each step sets the text this share of its size.
constexpr double kSmallerStep = 0.97;
constexpr double kSmallestSize = 0.1;

} // namespace

DisplayScale displayScale(std::u16string_view text, double room,
    const std::function<double(std::u16string_view)>& naturalWidth)
{
    if (text.size() > kMeasuredBeginning
        && naturalWidth(text.substr(0, kMeasuredBeginning)) * kNarrowestStretch > room)
        return { kNarrowestStretch, 1.0 };
    const double natural = naturalWidth(text);
    if (natural <= room)
        return {};
    const double needed = room / natural;
    if (needed >= kNarrowestStretch || text.size() > kLongestResult)
        return { std::max(needed, kNarrowestStretch), 1.0 };
    return { kNarrowestStretch, needed / kNarrowestStretch };
}

DisplayScale fitDisplay(std::u16string_view text, const DisplayMeasurer& measurer)
{
    const double room = measurer.room();
    DisplayScale scale = displayScale(
        text, room, [&](std::u16string_view piece) { return measurer.naturalWidth(piece); });
    if (scale == DisplayScale {} || text.size() > kLongestResult)
        return scale;
    while (scale.size > kSmallestSize && measurer.drawnWidth(text, scale) > room)
        scale.size *= kSmallerStep;
    return scale;
}

} // namespace ui
