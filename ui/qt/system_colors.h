#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace ui {

// Turns a 0x00BBGGRR colour, or a system colour index, into a QColor. The system
// colours come from the desktop's palette; this desktop has no title bars of its
// own, so the inactive title-bar colour is the palette's neutral mid tone.
QColor toQColor(std::uint32_t color, const QPalette& palette);

} // namespace ui
