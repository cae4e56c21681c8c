#include "memory_keys.h"

#include "conversions.h"
#include "entry_value.h"

#include <string>

namespace calc {

namespace {

void takeEntry(CalculatorState& state, CalculatorPanel& panel, double newValue)
{
    state.memoryValue = newValue;
    panel.setDisplayText(u"");
    panel.focusDisplay();
}

std::u16string decimalText(int code)
{
    std::u16string text;
    for (const char c : std::to_string(code))
        text.push_back(static_cast<char16_t>(c));
    return text;
}

} // namespace

void memoryAddKey(CalculatorState& state, CalculatorPanel& panel)
{
    takeEntry(state, panel, requireFinite(readEntry(panel) + state.memoryValue));
    panel.setMemoryIndicatorText(kMemoryIndicator);
    panel.setMemoryIndicatorVisible(true);
}

void memorySubtractKey(CalculatorState& state, CalculatorPanel& panel)
{
    takeEntry(state, panel, requireFinite(state.memoryValue - readEntry(panel)));
}

void memoryStoreKey(CalculatorState& state, CalculatorPanel& panel)
{
    takeEntry(state, panel, readEntry(panel));
}

void memoryRecallKey(const CalculatorState& state, CalculatorPanel& panel)
{
    panel.setDisplayText(NumberToText(state.memoryValue));
}

void memoryClearKey(CalculatorState& state, CalculatorPanel& panel)
{
    state.memoryPrompt = kMemoryClearQuestion;
    state.memoryAnswer = decimalText(panel.askYesNo(state.memoryPrompt));
    if (ParseStrict(state.memoryAnswer) == CalculatorPanel::kAnswerYes)
        takeEntry(state, panel, 0);
    panel.setMemoryIndicatorVisible(false);
}

} // namespace calc
