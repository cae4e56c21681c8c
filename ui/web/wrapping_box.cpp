#include "wrapping_box.h"

#include "page.h"
#include "ui/text_fit.h"
#include "ui/text_wrap.h"

#include <cmath>

namespace ui::web {

namespace {

// The same text with every digit alike: texts of one shape need the same room.
std::u16string shapeOf(std::u16string_view text)
{
    std::u16string shape(text);
    for (char16_t& c : shape) {
        if (c >= u'0' && c <= u'9')
            c = u'0';
    }
    return shape;
}

} // namespace

void WrappingBox::layOutAgain()
{
    if (typeSize_ == 0)
        return; // nothing shown yet
    lastShape_.clear();
    const std::u16string text = std::move(text_);
    text_.clear();
    setText(text);
}

void WrappingBox::setText(std::u16string_view text)
{
    if (text == text_ && typeSize_ != 0)
        return;
    text_ = text;
    if (typeSize_ == 0)
        typeSize_ = page::typeSize(id_);
    const int width = page::innerWidth(id_) - 2; // a pixel clear of the border each side
    const int smallest = static_cast<int>(std::ceil(typeSize_ * kSmallestBoxTypeShare));
    std::u16string shape = shapeOf(text);
    int pixels = shape == lastShape_ ? lastPixels_ : typeSize_;
    for (;; --pixels) {
        const auto measure = [this, pixels](std::u16string_view piece) {
            return static_cast<int>(std::ceil(page::naturalWidth(id_, piece, pixels)));
        };
        std::u16string lines;
        for (const TextLine& line : wrapText(text, width, measure)) {
            if (!lines.empty())
                lines += u'\n';
            lines += text.substr(line.start, line.length);
        }
        if (page::showLines(id_, text, lines, pixels) || pixels <= smallest)
            break;
    }
    lastShape_ = std::move(shape);
    lastPixels_ = pixels;
}

} // namespace ui::web
