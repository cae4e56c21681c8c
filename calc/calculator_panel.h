#pragma once

#include <cstddef>
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
    // The digit, point and "C" keys change only the display's end; a long display
    // is then edited there rather than replaced whole.
    virtual void appendToDisplay(std::u16string_view text) = 0;
    virtual void removeDisplayEnd(std::size_t units) = 0; // UTF-16 units
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
