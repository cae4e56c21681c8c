#include "fonts.h"

#include <cstdio>

namespace ui::web {

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
