#pragma once

#include <cstdint>
#include <string>

namespace calc {

// The calculator's per-window variables. The entry itself has no register here:
// the display text is the entry.
struct CalculatorState {
    double accumulator = 0;            // running value of a chained calculation
    double memoryValue = 0;            // the memory register
    std::u16string memoryPrompt;       // the memory-clear question, as last asked
    std::u16string memoryAnswer;       // its answer code as decimal text ("6" Yes, "7" No)
    std::int16_t newEntry = 0;         // 1: the next digit or point starts a new number
    std::int16_t pendingOperation = 0; // 0 none, 1 add, 2 multiply, 3 divide, 4 subtract
};

} // namespace calc
