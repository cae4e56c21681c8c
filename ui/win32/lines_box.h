#pragma once

#include "box_line_measurer.h"
#include "paint_buffer.h"
#include "ui/box_layout.h"

#include <windows.h>

#include <memory>
#include <string>

namespace ui::win32 {

// The clock or the phrase box: a read-only box that draws the lines the boxes' rule
// laid out for its text, where the rule placed them. Faces with Arabic letters carry
// line spacing far taller than their letters (four times the type size), so the
// system's edit box would show one clipped line where two fit. Its colours come from
// the parent's WM_CTLCOLORSTATIC answer, as for the system's static controls. Like an
// edit box it answers EM_GETLINECOUNT, EM_LINEINDEX and EM_LINELENGTH about the lines
// it shows, and kGetLinesTypeSize with the type size in pixels it sets them at.
class LinesBox {
public:
    static constexpr wchar_t kClassName[] = L"CalculatorOrvi2009LinesBox";
    static constexpr UINT kGetLinesTypeSize = WM_USER + 1;
    static void registerClass(HINSTANCE instance);

    LinesBox();
    LinesBox(const LinesBox&) = delete;
    LinesBox& operator=(const LinesBox&) = delete;

    // The box's window, made of kClassName; this answers its messages from now on.
    void attach(HWND box);
    // own: the box's font; fallback: a font for the letters it lacks, or null.
    void setFonts(HFONT own, HFONT fallback);

    BoxRoom room() const;
    const LineMeasurer& measurer() const { return *measurer_; }
    // Shows the text on the lines laid out for it, repainting only the lines that
    // changed: a clock's date stays put while its time changes every second.
    void show(std::u16string_view text, const BoxLayout& layout);

private:
    static LRESULT CALLBACK windowProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    std::u16string_view piece(const PlacedLine& line) const;

    HWND box_ = nullptr;
    std::unique_ptr<BoxLineMeasurer> measurer_;
    std::u16string text_;
    BoxLayout layout_;
    PaintBuffer buffer_; // the clock is redrawn every second and must not flicker
};

} // namespace ui::win32
