#include "box_layout.h"

#include "text_wrap.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace ui {

namespace {

constexpr int kClearance = 1; // pixels between the ink and the border

int floorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

// Moves [low, high) into [kClearance, limit - kClearance) where it fits, else as
// far as it goes from the far edge; returns by how much, and whether it fits.
int shiftInside(int low, int high, int limit, bool& inside)
{
    int by = 0;
    if (high > limit - kClearance)
        by = limit - kClearance - high;
    if (low + by < kClearance)
        by = kClearance - low;
    inside = inside && high + by <= limit - kClearance;
    return by;
}

bool endsInsideAWord(std::u16string_view text, std::size_t end)
{
    return end < text.size() && text[end] != u' ' && text[end] != u'\n';
}

} // namespace

int linePitch(int pixels) { return static_cast<int>(std::lround(pixels * 1.2)); }

int smallestTypeSize(int typeSize)
{
    return static_cast<int>(std::ceil(typeSize * kSmallestBoxTypeShare - 1e-9));
}

BoxLayout layOutBox(std::u16string_view text, int pixels, const BoxRoom& room,
    const LineMeasurer& measurer, int breakPixels)
{
    BoxLayout layout;
    layout.typeSize = pixels;
    const auto width = [&](std::u16string_view piece) { return measurer.width(piece, pixels); };
    const std::vector<TextLine> lines
        = wrapText(text, room.width - 2 * kClearance, [&](std::u16string_view piece) {
              return measurer.width(piece, breakPixels > 0 ? breakPixels : pixels);
          });
    const int pitch = linePitch(pixels);

    // Each line centred on its advance; the ink of them all in the middle.
    int inkTop = INT_MAX;
    int inkBottom = INT_MIN;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string_view piece = text.substr(lines[i].start, lines[i].length);
        PlacedLine line { lines[i].start, lines[i].length, floorHalf(room.width - width(piece)),
            static_cast<int>(i) * pitch, measurer.ink(piece, pixels) };
        if (line.ink) {
            inkTop = std::min(inkTop, line.top + line.ink->top);
            inkBottom = std::max(inkBottom, line.top + line.ink->bottom);
        }
        layout.whole = layout.whole && !endsInsideAWord(text, line.start + line.length);
        layout.lines.push_back(line);
    }
    layout.whole = layout.whole && lines.size() <= kBoxLines;
    const int down = inkTop <= inkBottom
        ? floorHalf(room.height - (inkBottom - inkTop)) - inkTop
        : floorHalf(room.height - static_cast<int>(lines.size()) * pitch);
    layout.whole = layout.whole
        && (inkTop > inkBottom || inkBottom - inkTop <= room.height - 2 * kClearance);

    // A line whose ink reaches past a side (the tail of a last letter) moves in.
    for (PlacedLine& line : layout.lines) {
        line.top += down;
        if (!line.ink)
            continue;
        line.x += shiftInside(
            line.x + line.ink->left, line.x + line.ink->right, room.width, layout.whole);
        line.ink = Ink { line.x + line.ink->left, line.top + line.ink->top,
            line.x + line.ink->right, line.top + line.ink->bottom };
    }
    return layout;
}

BoxLayout fitBox(
    std::u16string_view text, const BoxRoom& room, const LineMeasurer& measurer, int from)
{
    const int smallest = smallestTypeSize(room.typeSize);
    const int first = from > 0 ? from : room.typeSize;
    // On the lines it is broken into at its first size, set smaller as far as it takes;
    for (int pixels = first; pixels >= smallest; --pixels) {
        if (BoxLayout layout = layOutBox(text, pixels, room, measurer, first); layout.whole)
            return layout;
    }
    // where those lines never show whole (a third line, a word too wide), broken anew.
    for (int pixels = first - 1;; --pixels) {
        BoxLayout layout = layOutBox(text, pixels, room, measurer);
        if (layout.whole || pixels <= smallest)
            return layout;
    }
}

} // namespace ui
