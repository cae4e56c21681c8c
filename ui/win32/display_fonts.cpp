#include "display_fonts.h"

#include <algorithm>
#include <cmath>

namespace ui::win32 {

namespace {

constexpr std::size_t kKeptFonts = 4;

} // namespace

DisplayFonts::~DisplayFonts() { forgetScaled(); }

void DisplayFonts::forgetScaled()
{
    for (const Scaled& scaled : scaled_)
        DeleteObject(scaled.font);
    scaled_.clear();
}

void DisplayFonts::setNatural(HFONT natural)
{
    forgetScaled();
    natural_ = shown_ = natural;
    GetObjectW(natural, sizeof logical_, &logical_);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, natural);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    averageWidth_ = metrics.tmAveCharWidth;
}

HFONT DisplayFonts::at(DisplayScale scale)
{
    if (scale == DisplayScale {})
        return natural_;
    const LONG height = std::lround(logical_.lfHeight * scale.size);
    const LONG width = std::lround(averageWidth_ * scale.size * scale.stretch);
    for (const Scaled& kept : scaled_)
        if (kept.height == height && kept.width == width)
            return kept.font;
    if (scaled_.size() >= kKeptFonts) { // the oldest let go, unless the display holds it
        const auto oldest = std::find_if(scaled_.begin(), scaled_.end(),
            [&](const Scaled& kept) { return kept.font != shown_; });
        DeleteObject(oldest->font);
        scaled_.erase(oldest);
    }
    LOGFONTW logical = logical_;
    logical.lfHeight = height;
    logical.lfWidth = std::max(width, 1L);
    return scaled_.emplace_back(Scaled { height, width, CreateFontIndirectW(&logical) }).font;
}

DisplayScale DisplayFonts::scaleOf(HFONT font) const
{
    if (font == natural_ || averageWidth_ <= 0)
        return {};
    LOGFONTW logical {};
    GetObjectW(font, sizeof logical, &logical);
    const double size = static_cast<double>(logical.lfHeight) / logical_.lfHeight;
    return { logical.lfWidth / (averageWidth_ * size), size };
}

} // namespace ui::win32
