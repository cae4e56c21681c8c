#pragma once

#include "calculator_panel.h"

namespace calc {

// The function keys replace the number on the display with a function of it.
// They read the display strictly (it must hold exactly one number) and leave the
// calculator's running values alone, so a pending operation takes the result as
// its entry.

// "Sqr": the square root. Even an empty display is read, and refused.
void squareRootKey(CalculatorPanel& panel);

// "nI" (base 2) and "Log" (base 10): ln x / ln base. An empty display is left alone.
void logarithmKey(CalculatorPanel& panel, double base);

// "%": one hundredth of the number, written with a '%' behind it. An empty display
// is left alone.
void percentKey(CalculatorPanel& panel);

} // namespace calc
