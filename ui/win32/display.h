#pragma once

#include "display_fonts.h"
#include "ui/display_fit.h"

#include <windows.h>

namespace ui::win32 {

// The display TEXT1, a system edit box: how its fonts set its text, and the font
// it holds for the scale its text is set at.
class Display final : public DisplayMeasurer {
public:
    Display();
    ~Display() override;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    void attach(HWND edit) { edit_ = edit; }
    // The display's own font, and how far the memory box reaches into its right end,
    // in pixels: the text stops short of it, so no digit is hidden behind the box.
    void setFont(HFONT natural, int indicator);

    double room() const override;
    double naturalWidth(std::u16string_view text) const override;
    double drawnWidth(std::u16string_view text, DisplayScale scale) const override;

    void setScale(DisplayScale scale);
    // The scale of the font the display holds.
    DisplayScale shownScale() const;

private:
    int widthIn(HFONT font, std::u16string_view text) const;
    void holdFont(HFONT font);

    HWND edit_ = nullptr;
    HDC dc_; // to measure in
    mutable DisplayFonts fonts_;
    int indicator_ = 0;
};

} // namespace ui::win32
