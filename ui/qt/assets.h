#pragma once

namespace ui {

// Registers the pictures compiled into the program. They live in a static library,
// whose resource initialiser the linker would otherwise drop.
void registerAssets();

} // namespace ui
