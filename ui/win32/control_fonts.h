#pragma once

#include "font_faces.h"
#include "ui/controls.h"

#include <windows.h>

#include <array>

namespace ui::win32 {

// Every control's font at one dpi: its face, bold, at its size in points; and for the
// clock and phrase boxes a second, in the face with the Arabic letters, for the
// letters the first lacks. Nothing for a control without text.
class ControlFonts {
public:
    ControlFonts() = default;
    ControlFonts(const FontFaces& faces, int dpi);
    ~ControlFonts();
    ControlFonts(ControlFonts&& other) noexcept;
    ControlFonts& operator=(ControlFonts&& other) noexcept;

    HFONT font(Control control) const { return fonts_[index(control)]; }
    HFONT fallback(Control control) const { return fallbacks_[index(control)]; }

private:
    static constexpr std::size_t index(Control control)
    {
        return static_cast<std::size_t>(control);
    }
    void forget();

    std::array<HFONT, kControlCount> fonts_ {};
    std::array<HFONT, kControlCount> fallbacks_ {};
};

} // namespace ui::win32
