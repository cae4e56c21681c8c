#include "system_colors.h"

namespace ui::qt {

namespace {

Rgb fromQColor(const QColor& color)
{
    return { static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
        static_cast<std::uint8_t>(color.blue()) };
}

} // namespace

SystemColors systemColors(const QPalette& palette)
{
    return { fromQColor(palette.color(QPalette::Active, QPalette::Button)),
        fromQColor(palette.color(QPalette::Active, QPalette::ButtonText)),
        fromQColor(palette.color(QPalette::Active, QPalette::Text)), std::nullopt };
}

} // namespace ui::qt
