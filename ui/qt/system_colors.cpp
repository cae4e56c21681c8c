#include "system_colors.h"

#include "ui/layout.h"

namespace ui {

QColor toQColor(std::uint32_t value, const QPalette& palette)
{
    switch (value) {
    case color::kInactiveTitleBar:
        return palette.color(QPalette::Inactive, QPalette::Mid);
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

} // namespace ui
