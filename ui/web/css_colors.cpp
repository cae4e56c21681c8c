#include "css_colors.h"

#include "page.h"

namespace ui::web {

SystemColors browserSystemColors()
{
    return { page::systemColor("ButtonFace"), page::systemColor("ButtonText"),
        page::systemColor("FieldText"), std::nullopt };
}

std::string cssColor(std::optional<Rgb> color)
{
    if (!color)
        return {};
    return "rgb(" + std::to_string(color->red) + ' ' + std::to_string(color->green) + ' '
        + std::to_string(color->blue) + ')';
}

} // namespace ui::web
