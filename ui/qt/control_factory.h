#pragma once

#include "ui/colors.h"
#include "ui/layout.h"

#include <QWidget>

namespace ui::qt {

// Creates the widget for one row of the layout table as a child of the window,
// with its geometry, font, colours, alignment and accessible name. Returns
// nullptr for the timer, which has no widget.
QWidget* createControl(const LayoutRow& row, QWidget* window, const Palette& palette);

inline int toPixels(int twips) { return twips / kTwipsPerPixel; }

} // namespace ui::qt
