#include "display_type.h"

#include <cmath>

#include <emscripten/emscripten.h>

namespace {

// clang-format off
EM_JS(double, orvi_display_room, (int number), { return OrviPage.displayRoom(number); });

EM_JS(double, orvi_display_width, (int number, const char16_t* text, int length, double size,
    double spacing), {
    return OrviPage.displayWidth(number, OrviPage.text(text, length), size, spacing);
});

EM_JS(void, orvi_set_display_scale, (int number, double size, double spacing), {
    OrviPage.setDisplayScale(number, size, spacing);
});
// clang-format on

// The pixels between letters that set a text of this average advance at the scale.
// Firefox lays text out in 60ths of a pixel and rounds letter spacing to them, so a
// spacing between two of them would be drawn wider than measured; one on that grid,
// rounded towards narrower, is drawn as measured in every engine.
double spacing(ui::DisplayScale scale, double averageAdvance)
{
    constexpr double kGrid = 60;
    return scale.stretch < 1
        ? std::floor((scale.stretch - 1) * scale.size * averageAdvance * kGrid) / kGrid
        : 0;
}

} // namespace

namespace ui::web {

double DisplayType::width(std::u16string_view text, double size, double spacing) const
{
    return orvi_display_width(
        static_cast<int>(display_), text.data(), static_cast<int>(text.size()), size, spacing);
}

double DisplayType::room() const { return orvi_display_room(static_cast<int>(display_)); }

double DisplayType::naturalWidth(std::u16string_view text) const
{
    const double natural = width(text, 1, 0);
    if (!text.empty())
        averageAdvance_ = natural / static_cast<double>(text.size());
    return natural;
}

double DisplayType::drawnWidth(std::u16string_view text, DisplayScale scale) const
{
    naturalWidth(text);
    return width(text, scale.size, spacing(scale, averageAdvance_));
}

void DisplayType::setScale(DisplayScale scale)
{
    orvi_set_display_scale(static_cast<int>(display_), scale.size, spacing(scale, averageAdvance_));
}

} // namespace ui::web
