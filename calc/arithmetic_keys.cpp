#include "arithmetic_keys.h"

#include "conversions.h"
#include "entry_value.h"
#include "runtime_error.h"

#include <cmath>
#include <optional>

namespace calc {

namespace {

// A non-zero number over zero is its own error; 0 / 0 is undefined and counts as
// an overflow, like any other result that is not a finite number.
double divide(double dividend, double divisor)
{
    if (divisor == 0 && dividend != 0)
        throw RuntimeError(ErrorKind::DivisionByZero);
    return requireFinite(dividend / divisor);
}

} // namespace

void operatorKey(CalculatorState& state, CalculatorPanel& panel, Operation operation)
{
    const bool accumulatorWasZero = state.accumulator == 0;
    state.pendingOperation = static_cast<std::int16_t>(operation);
    const double entry = readEntry(panel);

    double folded = 0;
    switch (operation) {
    case Operation::Add:
        folded = requireFinite(entry + state.accumulator);
        break;
    case Operation::Subtract:
        // The entry is the minuend: "10", "-", "3", "-" leaves 3 - 10.
        folded = requireFinite(entry - state.accumulator);
        break;
    case Operation::Multiply:
        folded = accumulatorWasZero ? entry : requireFinite(entry * state.accumulator);
        break;
    case Operation::Divide:
        folded = accumulatorWasZero ? entry : divide(state.accumulator, entry);
        break;
    }
    state.accumulator = folded;
    panel.setDisplayText(u"");
}

void equalsKey(CalculatorState& state, CalculatorPanel& panel)
{
    std::optional<double> result;
    switch (state.pendingOperation) {
    case static_cast<std::int16_t>(Operation::Add):
        result = requireFinite(readEntry(panel) + state.accumulator);
        break;
    case static_cast<std::int16_t>(Operation::Multiply):
        result = requireFinite(readEntry(panel) * state.accumulator);
        break;
    case static_cast<std::int16_t>(Operation::Divide):
        result = divide(state.accumulator, readEntry(panel));
        break;
    case static_cast<std::int16_t>(Operation::Subtract):
        result = requireFinite(state.accumulator - readEntry(panel));
        break;
    default:
        break; // no operator key yet: the display stays as it is
    }
    if (result)
        panel.setDisplayText(NumberToText(*result));
    state.accumulator = 0;
    state.newEntry = 1;
}

} // namespace calc
