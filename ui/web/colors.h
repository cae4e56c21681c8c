#pragma once

#include <cstdint>
#include <string>

namespace ui::web {

// A layout colour as CSS: fixed colours exactly, the system colours as the
// browser's own (ButtonFace, ButtonText, FieldText). CSS no longer tells an
// inactive title bar from the page's canvas, so that one is the mid tone between
// ButtonFace and GrayText, as the desktop palette's neutral mid tone is. Empty for
// a transparent one.
std::string cssColor(std::uint32_t value);

} // namespace ui::web
