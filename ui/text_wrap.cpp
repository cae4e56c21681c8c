#include "text_wrap.h"

namespace ui {

namespace {

bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

std::vector<TextLine> wrapText(
    std::u16string_view text, int width, const std::function<int(std::u16string_view)>& measure)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (true) {
        while (start < text.size() && text[start] == u' ')
            ++start;
        if (start == text.size())
            return lines;

        // Take whole words while they fit.
        std::size_t end = start;
        std::size_t wordEnd = start;
        while (wordEnd < text.size()) {
            std::size_t next = wordEnd;
            while (next < text.size() && text[next] == u' ')
                ++next;
            if (next == text.size())
                break;
            while (next < text.size() && text[next] != u' ')
                ++next;
            if (measure(text.substr(start, next - start)) > width)
                break;
            end = wordEnd = next;
        }
        if (end == start) {
            // A word wider than the line: as many characters as fit, at least one,
            // never half of a surrogate pair.
            end = start + 1;
            while (end < text.size() && text[end] != u' '
                && (isLowSurrogate(text[end])
                    || measure(text.substr(start, end + 1 - start)) <= width))
                ++end;
        }
        lines.push_back({ start, end - start });
        start = end;
    }
}

} // namespace ui
