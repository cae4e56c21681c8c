#pragma once

#include "ui/colors.h"

#include <optional>
#include <string>

namespace ui::web {

// The browser's own colours, read once: its ButtonFace, ButtonText and FieldText.
// CSS no longer tells an inactive title bar from the page's canvas, so there is none.
SystemColors browserSystemColors();

// A colour as CSS; empty for none, where the window shows through.
std::string cssColor(std::optional<Rgb> color);

} // namespace ui::web
