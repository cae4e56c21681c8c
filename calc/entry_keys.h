#pragma once

#include "calculator_panel.h"
#include "calculator_state.h"

namespace calc {

// A digit or the point: appended to the display, after emptying it when the
// previous key was "=".
void entryKey(CalculatorState& state, CalculatorPanel& panel, char16_t character);

// "C": removes the last character of the display. An empty display has none to
// remove and raises InvalidArgument.
void backspaceKey(CalculatorPanel& panel);

// "AC": the display becomes one blank. The running values stay.
void clearKey(CalculatorPanel& panel);

// "ON": the display becomes "0".
void onKey(CalculatorPanel& panel);

} // namespace calc
