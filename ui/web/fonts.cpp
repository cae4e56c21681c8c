#include "fonts.h"

#include <cstdio>

namespace ui::web {

namespace {

// The page's own cut of the metric twin: the letters it shows, under a name of its
// own (the twin's licence keeps its name for the whole face). The twin itself, where
// it is installed, stands in if the page's face cannot be fetched.
constexpr std::string_view kPageSerif = "Orvi Serif";

} // namespace

std::string cssFont(const LayoutRow& row)
{
    if (row.fontPoints <= 0)
        return {};
    const WindowRow& form = windowRow();
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", row.fontPoints);
    std::string font = "bold " + std::string(size) + " \"" + std::string(kPageSerif) + "\", \""
        + std::string(form.metricTwinFamily) + '"';
    if (!row.westernCharset)
        font += ", \"" + std::string(form.arabicFamily) + '"';
    return font + ", serif";
}

} // namespace ui::web
