#pragma once

#include "box_lines.h"
#include "display_type.h"
#include "ui/colors.h"
#include "ui/form1.h"
#include "ui/platform.h"

#include <array>

namespace ui::web {

// The calculator window in the browser: builds the page's elements from the
// layout table, tells Form1 of the page's events, and gives Form1 its platform
// operations. It lives as long as the page.
class Form1Window final : public Platform {
public:
    Form1Window();

    // From the page: a key was clicked; the timer ticked; the display's text was
    // typed into; a face has arrived.
    void click(Control key);
    void tick();
    void displayChanged();
    void measuresChanged();

    // Platform
    std::u16string text(Control control) const override;
    void setText(Control control, std::u16string_view text) override;
    void appendText(Control control, std::u16string_view text) override;
    void removeTextEnd(Control control, std::size_t units) override;
    void setFocus(Control control) override;
    void setVisible(Control control, bool visible) override;
    void setForeColor(Control control, std::uint32_t color) override;
    void setLeft(Control control, float twips) override;
    Answer messageBox(std::u16string_view text, MessageBoxStyle style) override;
    void quit() override;
    LocalTime now() const override;
    std::u16string clockText(ClockForm form, const LocalTime& when) const override;
    BoxRoom boxRoom(Control box) const override;
    const LineMeasurer& lineMeasurer(Control box) const override;
    void showLines(Control box, std::u16string_view text, const BoxLayout& layout) override;
    const DisplayMeasurer& displayMeasurer() const override;
    void setDisplayScale(DisplayScale scale) override;
    void announce(std::u16string_view text) override;

private:
    static constexpr std::size_t index(Control id) { return static_cast<std::size_t>(id); }
    void buildControls();
    BoxLines& lines(Control box);
    const BoxLines& lines(Control box) const;

    Palette palette_;
    std::array<std::uint32_t, kControlCount> foreColors_ {};
    BoxLines clockLines_ { Control::Text3 };
    BoxLines phraseLines_ { Control::Text4 };
    DisplayType display_ { Control::TEXT1 };
    bool running_ = true;
    Form1 form_;
};

} // namespace ui::web
