#pragma once

#include "calculator_panel.h"

namespace calc {

// The number on the display as the operator and memory keys see it: read
// leniently, so any text counts. A number beyond the range of a double (such as
// "1E400") raises Overflow here, so that no key ever stores an infinity.
double readEntry(const CalculatorPanel& panel);

// Passes a computed result through, or raises Overflow when it is not finite:
// no key stores an infinity or an undefined value.
double requireFinite(double result);

} // namespace calc
