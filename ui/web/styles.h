#pragma once

#include "ui/layout.h"

#include <string>

namespace ui::web {

// A layout colour as CSS: fixed colours exactly, the system colours as the
// browser's own (ButtonFace, ButtonText, FieldText). CSS no longer tells an
// inactive title bar from the page's canvas, so that one is the mid tone between
// ButtonFace and GrayText, as the desktop palette's neutral mid tone is.
std::string cssColor(std::uint32_t value);

// A control's font: bold, at its size in points, in the face the page serves.
// The Latin face is Liberation Serif, the metric twin of the window's face, so text
// fits its box alike in every browser; rows with the Arabic character set add
// Amiri, which draws only the letters the Latin face lacks.
std::string cssFont(const LayoutRow& row);

// Twips as CSS pixels: 15 twips to a pixel, the browser's zoom scaling them.
constexpr double cssPixels(double twips) { return twips / kTwipsPerPixel; }

} // namespace ui::web
