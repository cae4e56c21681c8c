#pragma once

#include "ui/layout.h"

#include <string>

namespace ui::web {

// A control's font as CSS: bold, at its size in points, in the faces the page
// serves. The Latin face is Liberation Serif, the metric twin of the window's face
// (cut down and renamed Orvi Serif), so text fits its box alike in every browser;
// rows with the Arabic character set add Amiri, which draws only the letters the
// Latin face lacks. Empty for a control without text.
std::string cssFont(const LayoutRow& row);

} // namespace ui::web
