#include "colors.h"

#include "layout.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double luminance(Rgb color)
{
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

Rgb fixed(std::uint32_t bgr)
{
    return { static_cast<std::uint8_t>(color::red(bgr)),
        static_cast<std::uint8_t>(color::green(bgr)), static_cast<std::uint8_t>(color::blue(bgr)) };
}

Rgb readableOn(Rgb text, Rgb background)
{
    if (contrast(text, background) >= kReadableContrast)
        return text;
    constexpr Rgb black { 0, 0, 0 };
    constexpr Rgb white { 255, 255, 255 };
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

// The desktop's inactive title bar where every fixed text the layout draws on it
// reads there, else the light neutral.
Rgb boxBackgroundFor(const SystemColors& system)
{
    if (!system.inactiveTitleBar)
        return kLightNeutral;
    for (const LayoutRow& row : layoutRows()) {
        if (row.background == color::kInactiveTitleBar && !color::isSystem(row.foreground)
            && row.foreground != color::kTransparent
            && contrast(fixed(row.foreground), *system.inactiveTitleBar) < kReadableContrast)
            return kLightNeutral;
    }
    return *system.inactiveTitleBar;
}

} // namespace

double contrast(Rgb a, Rgb b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Palette::Palette(const SystemColors& system)
    : system_(system)
    , boxBackground_(boxBackgroundFor(system))
{
}

Rgb Palette::resolve(std::uint32_t value) const
{
    switch (value) {
    case color::kInactiveTitleBar:
        return boxBackground_;
    case color::kWindowText:
        return system_.windowText;
    case color::kButtonFace:
        return system_.buttonFace;
    case color::kButtonText:
        return system_.buttonText;
    default:
        return fixed(value);
    }
}

Rgb Palette::window() const { return resolve(windowRow().background); }

std::optional<Rgb> Palette::background(Control control) const
{
    const std::uint32_t value = layoutRow(control).background;
    if (value == color::kTransparent)
        return std::nullopt;
    return resolve(value);
}

Rgb Palette::text(Control control, std::uint32_t value) const
{
    const Rgb text = resolve(value);
    if (!color::isSystem(value))
        return text;
    return readableOn(text, background(control).value_or(window()));
}

Rgb Palette::text(Control control) const { return text(control, layoutRow(control).foreground); }

} // namespace ui
