#pragma once

#include "ui/colors.h"
#include "ui/controls.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ui::web {

class Form1Window;

// One control as the page makes it: an element at its place, in its font and
// colours, in front of the elements made before it.
struct ControlElement {
    Control id;
    std::string_view name;
    std::string_view kind; // "label", "picture", "key" or "textbox"
    std::u16string_view caption;
    std::string_view accessibleName;
    std::string_view description;    // read after the name
    double left, top, width, height; // CSS pixels
    std::string font;                // a CSS font, empty for none
    std::string color, background;   // CSS colours, empty for none
    bool center;
    bool multiLine;   // lines placed by the program: see BoxLines
    int tabIndex;     // 0: not a tab stop
    double roomRight; // CSS pixels at the right end that the text keeps clear of
};

// The page's elements, reached from C++. The text crosses as UTF-16, unit by unit.
namespace page {

void createWindow(
    std::u16string_view caption, double width, double height, const std::string& background);
void createControl(const ControlElement& control, Form1Window* owner);

// The browser's own colour of a CSS system colour keyword ("ButtonFace").
Rgb systemColor(const char* keyword);

std::u16string text(Control id);
// A line box's text. Whether it changed: the page leaves an unchanged text as it is.
bool setText(Control id, std::u16string_view text);
void editEnd(Control id, std::size_t removeUnits, std::u16string_view text);

void focus(Control id);
// The control takes the focus as the window first shows, in the first frame's own
// style pass: focusing it at once would work out the page's styles twice.
void focusOnShow(Control id);
void setVisible(Control id, bool visible);
void setColor(Control id, const std::string& color);
void setLeft(Control id, double pixels);

// Calls the window's tick every interval; the page is usable from then on.
void startTimer(Form1Window* owner, int milliseconds);
// Stops the timer, takes the window away and says that the calculator is off.
void end();
// Has screen readers say a text, through the page's live region.
void announce(std::u16string_view text);

} // namespace page

} // namespace ui::web
