#pragma once

#include <cstdint>
#include <string>

namespace ui::web {

// A layout colour as CSS: fixed colours exactly, the system colours as the
// browser's own (ButtonFace, ButtonText, FieldText). CSS no longer tells an
// inactive title bar from the page's canvas, so that one is the light neutral grey
// the Linux desktop uses too. The page keeps the light colour scheme, so the
// system text colours stay dark on the window's light blue. Empty for a transparent
// colour.
std::string cssColor(std::uint32_t value);

} // namespace ui::web
