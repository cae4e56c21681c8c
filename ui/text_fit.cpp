#include "text_fit.h"

#include <algorithm>

namespace ui {

namespace {

// A beginning this long is wider than the display's room at the narrowest stretch
// in any face the display is set in, so a longer text is measured no further.
constexpr std::size_t kMeasuredBeginning = 128;

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

} // namespace ui
