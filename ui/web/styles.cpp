#include "styles.h"

#include <cstdio>

namespace ui::web {

std::string cssColor(std::uint32_t value)
{
    switch (value) {
    case color::kButtonFace:
        return "ButtonFace";
    case color::kButtonText:
        return "ButtonText";
    case color::kWindowText:
        return "FieldText";
    case color::kInactiveTitleBar:
        return "color-mix(in srgb, ButtonFace, GrayText)";
    case color::kTransparent:
        return {};
    default:
        return "rgb(" + std::to_string(color::red(value)) + ' '
            + std::to_string(color::green(value)) + ' ' + std::to_string(color::blue(value)) + ')';
    }
}

std::string cssFont(const LayoutRow& row)
{
    if (row.fontPoints <= 0)
        return {};
    const WindowRow& form = windowRow();
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", row.fontPoints);
    std::string font
        = "bold " + std::string(size) + " \"" + std::string(form.metricTwinFamily) + '"';
    if (!row.westernCharset)
        font += ", \"" + std::string(form.arabicFamily) + '"';
    return font + ", serif";
}

} // namespace ui::web
