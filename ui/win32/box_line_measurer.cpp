#include "box_line_measurer.h"

#include "shaped_line.h"
#include "wide_text.h"

#include <cmath>

namespace ui::win32 {

namespace {

// The baseline 0.9 of a type size below the top of its line: room above it for
// Latin capitals and Arabic letters alike, the rest of the line's 1.2 below.
int baselineIn(int pixels) { return static_cast<int>(std::lround(pixels * 0.9)); }

} // namespace

BoxLineMeasurer::BoxLineMeasurer(HFONT own, HFONT fallback)
    : faces_(own, fallback)
{
}

int BoxLineMeasurer::width(std::u16string_view text, int pixels) const
{
    const std::wstring line = toWide(text);
    return ShapedLine(canvas_.dc(), faces_.runs(line, pixels)).width();
}

// Drawn in black on white with three type sizes to spare all round: Arabic faces
// reach far above and below their type size.
std::optional<Ink> BoxLineMeasurer::ink(std::u16string_view text, int pixels) const
{
    const std::wstring line = toWide(text);
    const ShapedLine shaped(canvas_.dc(), faces_.runs(line, pixels));
    const int spare = 3 * pixels;
    canvas_.clear({ shaped.width() + 2 * spare, 2 * spare + linePitch(pixels) });
    shaped.draw(spare, spare + baselineIn(pixels));
    const std::optional<RECT> found = canvas_.ink();
    if (!found)
        return std::nullopt;
    return Ink { found->left - spare, found->top - spare, found->right - spare,
        found->bottom - spare };
}

void BoxLineMeasurer::draw(HDC dc, std::u16string_view text, int pixels, int x, int top) const
{
    const std::wstring line = toWide(text);
    ShapedLine(dc, faces_.runs(line, pixels)).draw(x, top + baselineIn(pixels));
}

} // namespace ui::win32
