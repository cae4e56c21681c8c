#pragma once

#include "ui/form1.h"
#include "ui/platform.h"
#include "wrapping_box.h"

#include <array>

namespace ui::web {

// The calculator window in the browser: builds the page's elements from the
// layout table, binds the keys and the timer to Form1's handlers, and gives Form1
// its platform operations. It lives as long as the page.
class Form1Window final : public Platform {
public:
    Form1Window();

    // From the page: a key was clicked; the timer ticked; the display's text changed;
    // a face has arrived.
    void click(Control key);
    void tick();
    void displayEdited();
    void facesLoaded();

    // Platform
    std::u16string text(Control control) const override;
    void setText(Control control, std::u16string_view text) override;
    void appendText(Control control, std::u16string_view text) override;
    void removeTextEnd(Control control, std::size_t units) override;
    void setFocus(Control control) override;
    void setVisible(Control control, bool visible) override;
    void setForeColor(Control control, std::uint32_t bgr) override;
    float left(Control control) const override;
    void setLeft(Control control, float twips) override;
    int messageBox(std::u16string_view text, int style) override;
    void quit() override;
    std::u16string currentDateTimeText() const override;

private:
    static constexpr std::size_t index(Control id) { return static_cast<std::size_t>(id); }
    void buildControls();

    std::array<Form1::Handler, kControlCount> clickHandlers_ {};
    std::array<std::uint32_t, kControlCount> foreColors_ {};
    std::array<WrappingBox, 2> wrappingBoxes_ { WrappingBox(Control::Text3),
        WrappingBox(Control::Text4) };
    float pictureLeftTwips_ = 0; // kept unrounded: the picture moves in twips
    bool running_ = true;
    Form1 form_;
};

} // namespace ui::web
