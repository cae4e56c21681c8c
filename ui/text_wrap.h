#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace ui {

struct TextLine {
    std::size_t start;
    std::size_t length;
};

// Breaks a text into lines no wider than width: at each line feed, at blanks where
// it can, inside a word only when the word alone is wider than a line. Lines neither start nor end
// with a blank, so each can be centred on its own. measure gives the width of a
// piece of text in the same unit as width.
std::vector<TextLine> wrapText(
    std::u16string_view text, int width, const std::function<int(std::u16string_view)>& measure);

} // namespace ui
