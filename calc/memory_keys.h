#pragma once

#include "calculator_panel.h"
#include "calculator_state.h"

#include <string_view>

namespace calc {

inline constexpr std::u16string_view kMemoryClearQuestion = u"are you sure to clearing memory!!";
inline constexpr std::u16string_view kMemoryIndicator = u"M";

// The memory keys read the display leniently. The ones that take the display's
// number empty it afterwards and give it the keyboard focus for the next number.

// "M+": adds the entry to the register and shows the "M" indicator.
void memoryAddKey(CalculatorState& state, CalculatorPanel& panel);

// "M-": subtracts the entry from the register (the register is the minuend).
void memorySubtractKey(CalculatorState& state, CalculatorPanel& panel);

// "MS": stores the entry in the register.
void memoryStoreKey(CalculatorState& state, CalculatorPanel& panel);

// "MR": shows the register. Leaves the entry flag alone, so a digit that follows
// is appended to the recalled number unless "=" came before.
void memoryRecallKey(const CalculatorState& state, CalculatorPanel& panel);

// "MC": asks before clearing the register; hides the indicator whatever the answer.
void memoryClearKey(CalculatorState& state, CalculatorPanel& panel);

} // namespace calc
