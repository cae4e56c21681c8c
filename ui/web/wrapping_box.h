#pragma once

#include "ui/controls.h"

#include <string>
#include <string_view>

namespace ui::web {

// A read-only box that shows its text whole on centred lines: the clock's date and
// time, the phrase. The lines break where the desktops break them (ui/text_wrap.h):
// at line feeds, and at blanks where a line would be too wide. They are set 1.2 type
// sizes apart, whatever the face's own spacing, and their ink stands in the middle
// of the box. A text that would not show whole at the box's type size is set a pixel
// smaller at a time, down to kSmallestBoxTypeShare of it.
class WrappingBox {
public:
    explicit WrappingBox(Control id)
        : id_(id)
    {
    }

    Control id() const { return id_; }
    void setText(std::u16string_view text);
    // Lays the text out anew, measured again (once the page's faces have arrived).
    void layOutAgain();

private:
    Control id_;
    std::u16string text_;
    int typeSize_ = 0; // pixels; read from the page on first use
    // The last text's shape and size, kept for the next text of the same shape: the
    // clock's digits change every second, but not the room they need.
    std::u16string lastShape_;
    int lastPixels_ = 0;
};

} // namespace ui::web
