#include "box_lines.h"

#include <emscripten/emscripten.h>

#include <vector>

namespace {

// clang-format off
EM_JS(void, orvi_box_room, (int number, int* room), {
    HEAP32.set(OrviPage.boxRoom(number), room >> 2);
});

EM_JS(int, orvi_line_width, (int number, const char16_t* text, int length, int pixels), {
    return OrviPage.lineWidth(number, OrviPage.text(text, length), pixels);
});

EM_JS(int, orvi_line_ink, (int number, const char16_t* text, int length, int pixels, int pitch,
    int* ink), {
    const found = OrviPage.lineInk(number, OrviPage.text(text, length), pixels, pitch);
    if (found) HEAP32.set(found, ink >> 2);
    return found ? 1 : 0;
});

EM_JS(void, orvi_show_lines, (int number, const char16_t* text, int length, int pixels, int pitch,
    const int* placed, int count), {
    OrviPage.showLines(number, OrviPage.text(text, length), pixels, pitch,
        Array.from(HEAP32.subarray(placed >> 2, (placed >> 2) + 4 * count)));
});
// clang-format on

int length(std::u16string_view text) { return static_cast<int>(text.size()); }

} // namespace

namespace ui::web {

BoxRoom BoxLines::room() const
{
    if (!room_) {
        int room[3] {};
        orvi_box_room(static_cast<int>(box_), room);
        room_ = BoxRoom { room[0], room[1], room[2] };
    }
    return *room_;
}

int BoxLines::width(std::u16string_view text, int pixels) const
{
    return orvi_line_width(static_cast<int>(box_), text.data(), length(text), pixels);
}

std::optional<Ink> BoxLines::ink(std::u16string_view text, int pixels) const
{
    int ink[4] {};
    if (orvi_line_ink(
            static_cast<int>(box_), text.data(), length(text), pixels, linePitch(pixels), ink)
        == 0)
        return std::nullopt;
    return Ink { ink[0], ink[1], ink[2], ink[3] };
}

void BoxLines::show(std::u16string_view text, const BoxLayout& layout)
{
    std::vector<int> placed;
    for (const PlacedLine& line : layout.lines) {
        placed.insert(placed.end(),
            { static_cast<int>(line.start), static_cast<int>(line.length), line.x, line.top });
    }
    orvi_show_lines(static_cast<int>(box_), text.data(), length(text), layout.typeSize,
        linePitch(layout.typeSize), placed.data(), static_cast<int>(layout.lines.size()));
}

} // namespace ui::web
