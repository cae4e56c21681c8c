#include "ui/box_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A face whose letters are `advance` tenths of the type size wide, a blank half as
// wide, with ink from `top` to `bottom` tenths of the type size below the line's top,
// and `overhang` pixels of ink past the last letter (a tail).
struct TestFace final : ui::LineMeasurer {
    int advance = 6, top = 2, bottom = 10, overhang = 0;

    int width(std::u16string_view text, int pixels) const override
    {
        int tenths = 0;
        for (const char16_t c : text)
            tenths += c == u' ' ? advance * pixels / 2 : advance * pixels;
        return (tenths + 9) / 10;
    }
    std::optional<ui::Ink> ink(std::u16string_view text, int pixels) const override
    {
        if (text.find_first_not_of(u' ') == std::u16string_view::npos)
            return std::nullopt;
        return ui::Ink { 0, top * pixels / 10, width(text, pixels) + overhang,
            bottom * pixels / 10 };
    }
};

std::vector<std::u16string> linesOf(std::u16string_view text, const ui::BoxLayout& layout)
{
    std::vector<std::u16string> lines;
    for (const ui::PlacedLine& line : layout.lines)
        lines.emplace_back(text.substr(line.start, line.length));
    return lines;
}

struct FitCase {
    const char* name;
    std::u16string text;
    TestFace face;
    std::vector<std::u16string> lines;
    int typeSize;
    bool whole;
};

// The phrase box: 85 x 37 pixels inside, 15-pixel type.
TEST(BoxLayout, ShowsWholeOnTwoLinesOrSmaller)
{
    const ui::BoxRoom room { 85, 37, 15 };
    TestFace wide;
    wide.advance = 9;
    TestFace tall;
    tall.top = -4;
    tall.bottom = 14;
    TestFace tailed;
    tailed.overhang = 8;
    TestFace taller = tall;
    taller.bottom = 16;
    const FitCase cases[] = {
        { "one short line", u"abc", {}, { u"abc" }, 15, true },
        { "blanks at the ends are not shown", u" abc def ", {}, { u"abc def" }, 15, true },
        { "two lines at the blank", u"abcdef ghijkl", {}, { u"abcdef", u"ghijkl" }, 15, true },
        { "a line feed always breaks", u"ab\ncd", {}, { u"ab", u"cd" }, 15, true },
        { "three lines are broken anew, smaller, until two fit", u"abcdef ghijkl mnopq", {},
            { u"abcdef", u"ghijkl mnopq" }, 12, true },
        { "ink taller than the box is set smaller", u"abcdef ghijkl", tall,
            { u"abcdef", u"ghijkl" }, 12, true },
        { "set smaller, a text keeps the lines it was broken into", u"abcdefgh ijkl", taller,
            { u"abcdefgh", u"ijkl" }, 11, true },
        { "a word wider than the box is never whole", u"abcdefghijklmnopqrstuvwx", wide,
            { u"abcdefghij", u"klmnopqrst", u"uvwx" }, 9, false },
        { "a tail reaching past the border is set smaller", u"abcdefghijkl", tailed,
            { u"abcdefghijkl" }, 10, true },
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ui::BoxLayout layout = ui::fitBox(c.text, room, c.face);
        EXPECT_EQ(linesOf(c.text, layout), c.lines);
        EXPECT_EQ(layout.whole, c.whole);
        if (c.whole)
            EXPECT_EQ(layout.typeSize, c.typeSize);
        else
            EXPECT_EQ(layout.typeSize, ui::smallestTypeSize(room.typeSize));
    }
}

// Lines 1.2 type sizes apart, each centred, the ink of all of them in the middle of
// the box and a pixel clear of its border.
TEST(BoxLayout, PlacesLinesAndInk)
{
    const ui::BoxRoom room { 85, 37, 15 };
    TestFace tailed;
    tailed.overhang = 8;
    const std::u16string text = u"abcdef ghijklmnopqr";
    for (const TestFace& face : { TestFace {}, tailed }) {
        const ui::BoxLayout layout = ui::layOutBox(text, 10, room, face);
        ASSERT_EQ(layout.lines.size(), 2U);
        const ui::PlacedLine& first = layout.lines[0];
        const ui::PlacedLine& second = layout.lines[1];
        EXPECT_EQ(second.top - first.top, ui::linePitch(10));
        EXPECT_EQ(first.x, (room.width - face.width(u"abcdef", 10)) / 2);
        const int inkTop = first.ink->top;
        const int inkBottom = second.ink->bottom;
        EXPECT_LE(std::abs(inkTop - (room.height - inkBottom)), 1);
        for (const ui::PlacedLine& line : layout.lines) {
            EXPECT_EQ(line.ink->left, line.x);
            EXPECT_GE(line.ink->left, 1);
            EXPECT_LE(line.ink->right, room.width - 1);
        }
        EXPECT_TRUE(layout.whole);
    }
    // The tail of the second line reaches past the right border where centred: it
    // moves in.
    EXPECT_EQ(ui::layOutBox(text, 10, room, tailed).lines[1].x, 4);
    EXPECT_EQ(ui::linePitch(13), 16);
    EXPECT_EQ(ui::smallestTypeSize(13), 8);
    EXPECT_EQ(ui::smallestTypeSize(15), 9);
}

// A text is tried from a size given (the clock's, chosen for it) and set smaller
// only where it does not show whole there.
TEST(BoxLayout, StartsFromAGivenSize)
{
    const ui::BoxRoom room { 85, 37, 15 };
    EXPECT_EQ(ui::fitBox(u"abc", room, TestFace {}, 12).typeSize, 12);
    EXPECT_EQ(ui::fitBox(u"abcdef ghijkl mnopq", room, TestFace {}, 13).typeSize, 12);
}

} // namespace
