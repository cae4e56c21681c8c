#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace ui {

// The rule of the clock and phrase boxes: a text shows whole on at most two lines,
// broken at line feeds and blanks, each line centred, lines 1.2 type sizes apart
// whatever the face's own spacing (faces with Arabic letters carry very tall line
// spacing), and the ink of all of them in the middle of the box. Whole means every
// letter's ink a pixel clear of the border and no word broken. A text that would not
// show whole at the box's type size is set a pixel smaller at a time, down to 60 % of
// it, on the lines it was broken into at that size (the phrase keeps its two lines);
// where those never show whole (a third line, a word too wide), it is broken anew at
// each smaller size.

// Where a line's letters leave ink, in whole pixels: from the left end of the line's
// advance and the top of its line, as the home sets a line at a type size. Right and
// bottom are one past the last inked pixel.
struct Ink {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Ink&) const = default;
};

// What only a home can tell: how its faces set a line of text.
class LineMeasurer {
public:
    virtual ~LineMeasurer() = default;
    // The line's advance at a type size in pixels, rounded up to a whole pixel.
    virtual int width(std::u16string_view text, int pixels) const = 0;
    // Where the line leaves ink at a type size, set in a line linePitch(pixels) tall;
    // nothing where it leaves none.
    virtual std::optional<Ink> ink(std::u16string_view text, int pixels) const = 0;
};

// A box's inside in pixels, and its font's type size.
struct BoxRoom {
    int width = 0;
    int height = 0;
    int typeSize = 0;
    bool operator==(const BoxRoom&) const = default;
};

inline constexpr std::size_t kBoxLines = 2;
inline constexpr double kSmallestBoxTypeShare = 0.6;

// The distance of one line's top from the next at a type size.
int linePitch(int pixels);
// The smallest type size a box sets its text at.
int smallestTypeSize(int typeSize);

// A line as the box shows it: which piece of the text, where its advance begins and
// where its line's top is, and its ink there (nothing for a line without ink).
struct PlacedLine {
    std::size_t start = 0;
    std::size_t length = 0;
    int x = 0;
    int top = 0;
    std::optional<Ink> ink;
    bool operator==(const PlacedLine&) const = default;
};

struct BoxLayout {
    int typeSize = 0;
    std::vector<PlacedLine> lines;
    bool whole = true;
    bool operator==(const BoxLayout&) const = default;
};

// The text laid out at one type size, broken into lines where they would end at
// another (0: the same).
BoxLayout layOutBox(std::u16string_view text, int pixels, const BoxRoom& room,
    const LineMeasurer& measurer, int breakPixels = 0);

// The text at the largest type size from `from` (0: the box's own) down to the
// smallest at which it shows whole; where none does, at the smallest.
BoxLayout fitBox(
    std::u16string_view text, const BoxRoom& room, const LineMeasurer& measurer, int from = 0);

} // namespace ui
