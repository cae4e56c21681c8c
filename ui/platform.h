#pragma once

#include "controls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Message box style values: the buttons in the low bits, the icon above them.
namespace box {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;

// Codes of the button that closed a box.
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
} // namespace box

// What the window's handlers need from the toolkit underneath. The handlers talk
// to controls only through this, so the same window logic runs over Qt, over a
// native toolkit, or over a test double.
class Platform {
public:
    virtual ~Platform() = default;

    virtual std::u16string text(Control control) const = 0;
    virtual void setText(Control control, std::u16string_view text) = 0;
    // Edits at the end of a box's text, without replacing the rest: a long text is
    // costly to replace whole for one character more or less.
    virtual void appendText(Control control, std::u16string_view text) = 0;
    virtual void removeTextEnd(Control control, std::size_t units) = 0; // UTF-16 units
    virtual void setFocus(Control control) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    virtual void setForeColor(Control control, std::uint32_t bgr) = 0;

    // Horizontal position in twips, measured from the client area's left edge.
    virtual float left(Control control) const = 0;
    virtual void setLeft(Control control, float twips) = 0;

    // Shows a modal box with the application title and returns the button's code.
    virtual int messageBox(std::u16string_view text, int style) = 0;

    // Ends the program at once; nothing is asked and nothing is saved.
    virtual void quit() = 0;

    // The current local date and time in the user's general date form.
    virtual std::u16string currentDateTimeText() const = 0;
};

} // namespace ui
