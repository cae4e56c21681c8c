#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

using testing_support::Calculator;
using testing_support::u16;

namespace {

struct FunctionCase {
    const char* typed;
    const char* keys;
    const char* display;
    const char* errors;
};

void PrintTo(const FunctionCase& c, std::ostream* os)
{
    *os << '"' << c.typed << "\" then " << c.keys;
}

class FunctionKeys : public ::testing::TestWithParam<FunctionCase> { };

TEST_P(FunctionKeys, ReplaceTheNumberOnTheDisplay)
{
    const FunctionCase& c = GetParam();
    Calculator calc;
    calc.panel.display = u16(c.typed);
    EXPECT_EQ(calc.run(c.keys), c.errors);
    EXPECT_EQ(calc.display(), c.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Results, FunctionKeys,
    ::testing::Values(
        FunctionCase {"", "9 Sqr", "3", ""},
        FunctionCase {"", "2 Sqr", "1.4142135623731", ""},
        FunctionCase {"", "0 Sqr", "0", ""},
        FunctionCase {" 16 ", "Sqr", "4", ""},
        FunctionCase {"", "8 nI", "3", ""},
        FunctionCase {"", "1 0 2 4 nI", "10", ""},
        FunctionCase {"", "3 nI", "1.58496250072116", ""},
        FunctionCase {"", "1 nI", "0", ""},
        FunctionCase {"", "0 . 5 nI", "-1", ""},
        FunctionCase {"", "1 0 0 0 Log", "3", ""},
        FunctionCase {"", "2 Log", "0.301029995663981", ""},
        FunctionCase {"", "1 Log", "0", ""},
        FunctionCase {"1E-300", "Log", "-300", ""},
        FunctionCase {"", "5 0 %", "0.5%", ""},
        FunctionCase {"", "2 0 0 %", "2%", ""},
        FunctionCase {"", "5 %", "0.05%", ""},
        FunctionCase {"-7", "%", "-0.07%", ""},
        // Results feed a pending operation and the entry flag stays as it was.
        FunctionCase {"", "5 0 % + 1 =", "1.5", ""},
        FunctionCase {"", "2 + 9 Sqr =", "5", ""},
        FunctionCase {"", "9 Sqr 1", "31", ""}
        ));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Refusals, FunctionKeys,
    ::testing::Values(
        FunctionCase {"", "Sqr", "", "Type mismatch"},   // read even when empty
        FunctionCase {"", "nI", "", ""},                 // the others leave an empty display
        FunctionCase {"", "Log", "", ""},
        FunctionCase {"", "%", "", ""},
        FunctionCase {"", "AC Log", " ", "Type mismatch"}, // one blank is not empty
        FunctionCase {"", "AC nI", " ", "Type mismatch"},
        FunctionCase {"", "AC %", " ", "Type mismatch"},
        FunctionCase {"", "AC Sqr", " ", "Type mismatch"},
        FunctionCase {"", "5 0 % %", "0.5%", "Type mismatch"},
        FunctionCase {"", "5 0 % Sqr", "0.5%", "Type mismatch"},
        FunctionCase {"", ". . 5 Sqr", "..5", "Type mismatch"},
        FunctionCase {"12abc", "Log", "12abc", "Type mismatch"},
        FunctionCase {"", "0 Log", "0", "Invalid procedure call or argument"},
        FunctionCase {"", "0 nI", "0", "Invalid procedure call or argument"},
        FunctionCase {"-4", "nI", "-4", "Invalid procedure call or argument"},
        FunctionCase {"", "2 - 5 = Sqr", "-3", "Invalid procedure call or argument"},
        FunctionCase {"1E400", "Sqr", "1E400", "Overflow"}
        ));
// clang-format on

TEST(FunctionKeys, LeaveTheCalculatorStateAlone)
{
    for (const char* key : { "Sqr", "nI", "Log", "%" }) {
        SCOPED_TRACE(key);
        Calculator calc;
        calc.run("7 MS 2 + 1 6");
        const calc::CalculatorState before = calc.state;
        calc.run(key);
        EXPECT_EQ(calc.state.accumulator, before.accumulator);
        EXPECT_EQ(calc.state.pendingOperation, before.pendingOperation);
        EXPECT_EQ(calc.state.newEntry, before.newEntry);
        EXPECT_EQ(calc.state.memoryValue, before.memoryValue);
        EXPECT_FALSE(calc.panel.displayFocused);
    }
}

} // namespace
