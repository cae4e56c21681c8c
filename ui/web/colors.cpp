#include "colors.h"

#include "ui/layout.h"

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
        return "rgb(220 220 220)"; // the dark red clock and phrase stand out on it at 4.7 to 1
    case color::kTransparent:
        return {};
    default:
        return "rgb(" + std::to_string(color::red(value)) + ' '
            + std::to_string(color::green(value)) + ' ' + std::to_string(color::blue(value)) + ')';
    }
}

} // namespace ui::web
