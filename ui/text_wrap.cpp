#include "text_wrap.h"

#include <algorithm>

namespace ui {

namespace {

bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// One paragraph, from start to end, appended to lines.
void wrapParagraph(std::u16string_view text, std::size_t start, std::size_t paragraphEnd, int width,
    const std::function<int(std::u16string_view)>& measure, std::vector<TextLine>& lines)
{
    while (true) {
        while (start < paragraphEnd && text[start] == u' ')
            ++start;
        if (start == paragraphEnd)
            return;

        // Take whole words while they fit.
        std::size_t end = start;
        std::size_t wordEnd = start;
        while (wordEnd < paragraphEnd) {
            std::size_t next = wordEnd;
            while (next < paragraphEnd && text[next] == u' ')
                ++next;
            if (next == paragraphEnd)
                break;
            while (next < paragraphEnd && text[next] != u' ')
                ++next;
            if (measure(text.substr(start, next - start)) > width)
                break;
            end = wordEnd = next;
        }
        if (end == start) {
            // A word wider than the line: as many characters as fit, at least one,
            // never half of a surrogate pair.
            end = start + 1;
            while (end < paragraphEnd && text[end] != u' '
                && (isLowSurrogate(text[end])
                    || measure(text.substr(start, end + 1 - start)) <= width))
                ++end;
        }
        lines.push_back({ start, end - start });
        start = end;
    }
}

} // namespace

std::vector<TextLine> wrapText(
    std::u16string_view text, int width, const std::function<int(std::u16string_view)>& measure)
{
    std::vector<TextLine> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        wrapParagraph(text, start, end, width, measure, lines);
        start = end + 1;
    }
    return lines;
}

} // namespace ui
