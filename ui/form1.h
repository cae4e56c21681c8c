#pragma once

#include "banner/banner_tick.h"
#include "calc/calculator_panel.h"
#include "calc/calculator_state.h"
#include "platform.h"
#include "wrapped_box.h"

#include <cstdint>
#include <optional>

namespace ui {

// The calculator window's behaviour: its variables, its 32 event handlers, and
// how it shows its text: the display's scale, the clock's form and the lines of the
// clock and phrase boxes, by the rules of ui/. It reaches the controls only through
// the Platform, whose home tells it of the events the user causes.
class Form1 final : private calc::CalculatorPanel, private banner::BannerSurface {
public:
    explicit Form1(Platform& platform);

    void Form_Load();
    void Timer1_Timer();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();
    void Command22_Click();
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Command26_Click();
    void Command27_Click();
    void Command28_Click();
    void Command29_Click();
    void Command30_Click();

    // A key was clicked: its handler runs. Nothing happens for a control that is no key.
    // Where the key wrote the display and left the focus where it was, screen readers
    // are told the display's new text: the key's user hears the result at once.
    void click(Control key);
    // The display's text changed, by a key or by typing: it is set at the scale that
    // shows it as it must.
    void displayChanged();
    // The faces or the sizes the boxes are measured in changed (another dpi, faces
    // that arrived late): the clock's form is chosen again and the boxes laid out anew.
    void measuresChanged();

    const calc::CalculatorState& calculatorState() const { return state_; }
    std::uint8_t bannerStep() const { return bannerStep_; }
    // The clock's form and type size, once the first tick has chosen them.
    const std::optional<ClockChoice>& clockChoice() const { return clock_; }

private:
    // Runs one key's work; a run-time error ends it at the failing step and is
    // reported, after which the calculator goes on with what it had stored.
    template <typename Work> void runKey(Work&& work);
    void chooseClockForm();

    // calc::CalculatorPanel
    std::u16string displayText() const override;
    void setDisplayText(std::u16string_view text) override;
    void appendToDisplay(std::u16string_view text) override;
    void removeDisplayEnd(std::size_t units) override;
    void focusDisplay() override;
    void setMemoryIndicatorText(std::u16string_view text) override;
    void setMemoryIndicatorVisible(bool visible) override;
    int askYesNo(std::u16string_view question) override;

    // banner::BannerSurface
    void setCreditColor(std::uint32_t bgr) override;
    void setContactColor(std::uint32_t bgr) override;
    float pictureLeft() const override;
    void setPictureLeft(float twips) override;
    std::u16string currentDateTimeText() const override;
    void setClockText(std::u16string_view text) override;
    void setPhraseText(std::u16string_view text) override;

    Platform& platform_;
    calc::CalculatorState state_;
    std::uint8_t bannerStep_ = 0;
    float pictureLeft_; // twips, kept unrounded: the picture moves in twips
    std::optional<ClockChoice> clock_;
    // What the key being clicked did to the display.
    bool displayWritten_ = false;
    bool displayFocused_ = false;
    WrappedBox clockBox_ { Control::Text3 };
    WrappedBox phraseBox_ { Control::Text4 };
};

} // namespace ui
