#include "system_colors.h"

#include "ui/layout.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// #DCDCDC: the dark red text stands out on it at 4.7 to 1.
const QColor kLightNeutral(220, 220, 220);

constexpr double kReadable = 4.5;

double luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF())
        + 0.0722 * linear(color.blueF());
}

} // namespace

QColor toQColor(std::uint32_t value, const QPalette& palette)
{
    switch (value) {
    case color::kInactiveTitleBar:
        return kLightNeutral;
    case color::kWindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case color::kButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case color::kButtonText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case color::kTransparent:
        return Qt::transparent;
    default:
        return QColor(color::red(value), color::green(value), color::blue(value));
    }
}

double contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background)
{
    if (contrast(text, background) >= kReadable)
        return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

} // namespace ui
