#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace ui {

// Turns a 0x00BBGGRR colour, or a system colour index, into a QColor. Button face
// and button text come from the desktop's palette, and so does the text colour of
// edit boxes. This desktop has no title bars of its own, so the inactive title-bar
// colour, which the classic desktop kept light, is a fixed light neutral that the
// dark red text of the clock and the phrase stands out on under any palette.
QColor toQColor(std::uint32_t color, const QPalette& palette);

// The contrast ratio of two colours, from 1 (alike) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// A palette's text colour for a fixed or light background: itself where it stands
// out there as readable text must (4.5 to 1), else black or white, whichever does.
// A dark palette's light text would otherwise vanish on the window's light blue.
QColor readableOn(const QColor& text, const QColor& background);

} // namespace ui
