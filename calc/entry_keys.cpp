#include "entry_keys.h"

#include "runtime_error.h"

namespace calc {

namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

void entryKey(CalculatorState& state, CalculatorPanel& panel, char16_t character)
{
    if (state.newEntry == 1) {
        state.newEntry = 0;
        panel.setDisplayText(u"");
    }
    panel.appendToDisplay(std::u16string_view(&character, 1));
}

void backspaceKey(CalculatorPanel& panel)
{
    const std::u16string text = panel.displayText();
    if (text.empty())
        throw RuntimeError(ErrorKind::InvalidArgument);
    // A character typed from outside the basic plane is two UTF-16 units; taking
    // only the last one would leave half a character in the display.
    std::size_t remove = 1;
    if (text.size() >= 2 && isLowSurrogate(text.back()) && isHighSurrogate(text[text.size() - 2]))
        remove = 2;
    panel.removeDisplayEnd(remove);
}

void clearKey(CalculatorPanel& panel) { panel.setDisplayText(u" "); }

void onKey(CalculatorPanel& panel) { panel.setDisplayText(u"0"); }

} // namespace calc
