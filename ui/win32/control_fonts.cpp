#include "control_fonts.h"

#include "ui/layout.h"

#include <utility>

namespace ui::win32 {

ControlFonts::ControlFonts(const FontFaces& faces, int dpi)
{
    for (const LayoutRow& row : layoutRows()) {
        if (row.fontPoints <= 0)
            continue;
        fonts_[index(row.id)]
            = createControlFont(faces.latin, faces.latinHasArabicCharset, row, dpi);
        if (faces.arabic != faces.latin && row.multiLine)
            fallbacks_[index(row.id)] = createControlFont(faces.arabic, true, row, dpi);
    }
}

ControlFonts::~ControlFonts() { forget(); }

ControlFonts::ControlFonts(ControlFonts&& other) noexcept
    : fonts_(std::exchange(other.fonts_, {}))
    , fallbacks_(std::exchange(other.fallbacks_, {}))
{
}

ControlFonts& ControlFonts::operator=(ControlFonts&& other) noexcept
{
    if (this != &other) {
        forget();
        fonts_ = std::exchange(other.fonts_, {});
        fallbacks_ = std::exchange(other.fallbacks_, {});
    }
    return *this;
}

void ControlFonts::forget()
{
    for (HFONT font : fonts_)
        DeleteObject(font);
    for (HFONT font : fallbacks_)
        DeleteObject(font);
}

} // namespace ui::win32
