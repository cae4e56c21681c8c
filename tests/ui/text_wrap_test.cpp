#include "ui/text_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every character is 10 units wide, a blank 5.
int measure(std::u16string_view text)
{
    int width = 0;
    for (const char16_t c : text)
        width += c == u' ' ? 5 : 10;
    return width;
}

std::vector<std::u16string> wrapped(std::u16string_view text, int width)
{
    std::vector<std::u16string> lines;
    for (const ui::TextLine& line : ui::wrapText(text, width, measure))
        lines.emplace_back(text.substr(line.start, line.length));
    return lines;
}

using Lines = std::vector<std::u16string>;

TEST(WrapText, BreaksAtBlanksAndInsideWordsOnlyWhenTheyCannotFit)
{
    EXPECT_EQ(wrapped(u" ab cd ", 100), Lines({ u"ab cd" }));
    EXPECT_EQ(wrapped(u" ab cd ", 30), Lines({ u"ab", u"cd" }));
    EXPECT_EQ(wrapped(u"12/7/2026 8:05:09 PM", 90), Lines({ u"12/7/2026", u"8:05:09", u"PM" }));
    EXPECT_EQ(wrapped(u"abcdefg", 30), Lines({ u"abc", u"def", u"g" }));
    EXPECT_EQ(wrapped(u"abc", 5), Lines({ u"a", u"b", u"c" })); // at least one a line
    EXPECT_EQ(wrapped(u"a\U0001F600b", 20), Lines({ u"a\U0001F600", u"b" }));
    EXPECT_EQ(wrapped(u"   ", 50), Lines {});
    EXPECT_EQ(wrapped(u"29.12.2026\n23:47:37", 200), Lines({ u"29.12.2026", u"23:47:37" }));
}

} // namespace
