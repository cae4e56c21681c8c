#pragma once

#include "box_layout.h"
#include "clock_form.h"
#include "controls.h"
#include "display_fit.h"
#include "message_box.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// What the window needs from the toolkit underneath: the controls' properties, the
// message boxes, the end of the program, the local time and its text, and how the
// toolkit's faces measure text. The window's handlers and its rules of how text is
// shown reach the controls only through this, so the same window runs over Qt, over
// the system's own controls on Windows, in the browser, or over a test double. A
// home measures, formats and draws; it decides nothing of what the user sees.
class Platform : public ClockFormatter {
public:
    virtual std::u16string text(Control control) const = 0;
    virtual void setText(Control control, std::u16string_view text) = 0;
    // Edits at the end of a box's text, without replacing the rest: a long text is
    // costly to replace whole for one character more or less.
    virtual void appendText(Control control, std::u16string_view text) = 0;
    virtual void removeTextEnd(Control control, std::size_t units) = 0; // UTF-16 units
    virtual void setFocus(Control control) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // A text colour: 0x00BBGGRR, or a system colour's index (see ui::Palette).
    virtual void setForeColor(Control control, std::uint32_t color) = 0;
    // Places a control in twips from the client area's left edge.
    virtual void setLeft(Control control, float twips) = 0;

    // Shows a modal box with the application title; the answer is its button.
    virtual Answer messageBox(std::u16string_view text, MessageBoxStyle style) = 0;

    // Ends the program at once; nothing is asked and nothing is saved.
    virtual void quit() = 0;

    // The current local date and time. ClockFormatter writes it in a form.
    virtual LocalTime now() const = 0;

    // The clock and phrase boxes: their inside and type size, how their face sets a
    // line, and a text shown on the lines laid out for it.
    virtual BoxRoom boxRoom(Control box) const = 0;
    virtual const LineMeasurer& lineMeasurer(Control box) const = 0;
    virtual void showLines(Control box, std::u16string_view text, const BoxLayout& layout) = 0;

    // The display: how its face sets its text, and the scale its text is set at.
    virtual const DisplayMeasurer& displayMeasurer() const = 0;
    virtual void setDisplayScale(DisplayScale scale) = 0;

    // Has screen readers say a text without moving the focus: the display's new
    // text after a key.
    virtual void announce(std::u16string_view text) = 0;
};

} // namespace ui
