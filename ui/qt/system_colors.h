#pragma once

#include "ui/colors.h"

#include <QColor>
#include <QPalette>

namespace ui::qt {

// The desktop's colours as Qt's palette has them. This desktop has no title bars of
// its own, so it has no inactive title-bar colour.
SystemColors systemColors(const QPalette& palette);

inline QColor toQColor(Rgb color) { return QColor(color.red, color.green, color.blue); }

} // namespace ui::qt
