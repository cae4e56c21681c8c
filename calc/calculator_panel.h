#pragma once

#include <string>
#include <string_view>

namespace calc {

// The parts of the window that the calculator keys read and write: the display,
// the memory indicator and the memory-clear question.
class CalculatorPanel {
public:
    virtual ~CalculatorPanel() = default;

    virtual std::u16string displayText() const = 0;
    virtual void setDisplayText(std::u16string_view text) = 0;
    virtual void focusDisplay() = 0;

    virtual void setMemoryIndicatorText(std::u16string_view text) = 0;
    virtual void setMemoryIndicatorVisible(bool visible) = 0;

    // Asks a modal Yes/No question (Yes is the default button) and returns the
    // code of the button pressed: kAnswerYes or kAnswerNo.
    virtual int askYesNo(std::u16string_view question) = 0;

    static constexpr int kAnswerYes = 6;
    static constexpr int kAnswerNo = 7;
};

} // namespace calc
