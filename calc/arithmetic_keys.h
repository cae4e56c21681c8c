#pragma once

#include "calculator_panel.h"
#include "calculator_state.h"

#include <cstdint>

namespace calc {

// The code each operator key leaves in CalculatorState::pendingOperation.
enum class Operation : std::int16_t {
    Add = 1,
    Multiply = 2,
    Divide = 3,
    Subtract = 4,
};

// "+", "-", "*" or "/": folds the entry into the accumulator with the key's own
// operation, remembers the key and empties the display for the next number.
void operatorKey(CalculatorState& state, CalculatorPanel& panel, Operation operation);

// "=": combines the entry with the accumulator under the remembered operation,
// shows the result and starts over with the accumulator at 0.
void equalsKey(CalculatorState& state, CalculatorPanel& panel);

} // namespace calc
