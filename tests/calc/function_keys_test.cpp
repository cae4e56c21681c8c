#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

using testing_support::Calculator;
using testing_support::caseName;
using testing_support::u16;

namespace {

struct FunctionCase {
    const char* name;
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
const FunctionCase kResults[] = {
    {"SquareRoot", "", "9 Sqr", "3", ""},
    {"SquareRootToFifteenDigits", "", "2 Sqr", "1.4142135623731", ""},
    {"SquareRootOfZero", "", "0 Sqr", "0", ""},
    {"BlanksAroundTheNumber", " 16 ", "Sqr", "4", ""},
    {"BinaryLog", "", "8 nI", "3", ""},
    {"BinaryLogOfLargerPower", "", "1 0 2 4 nI", "10", ""},
    {"BinaryLogToFifteenDigits", "", "3 nI", "1.58496250072116", ""},
    {"BinaryLogOfOne", "", "1 nI", "0", ""},
    {"BinaryLogOfHalf", "", "0 . 5 nI", "-1", ""},
    {"DecimalLog", "", "1 0 0 0 Log", "3", ""},
    {"DecimalLogToFifteenDigits", "", "2 Log", "0.301029995663981", ""},
    {"DecimalLogOfOne", "", "1 Log", "0", ""},
    {"DecimalLogOfTinyNumber", "1E-300", "Log", "-300", ""},
    {"PercentWritesItsSign", "", "5 0 %", "0.5%", ""},
    {"PercentDropsTrailingZeros", "", "2 0 0 %", "2%", ""},
    {"PercentBelowOne", "", "5 %", "0.05%", ""},
    {"PercentOfNegative", "-7", "%", "-0.07%", ""},
    // Results feed a pending operation and the entry flag stays as it was.
    {"PercentFeedsTheOperator", "", "5 0 % + 1 =", "1.5", ""},
    {"ResultIsThePendingEntry", "", "2 + 9 Sqr =", "5", ""},
    {"DigitAfterResultAppends", "", "9 Sqr 1", "31", ""},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Results, FunctionKeys, ::testing::ValuesIn(kResults), caseName);

// clang-format off
const FunctionCase kRefusals[] = {
    {"SquareRootOfEmpty", "", "Sqr", "", "Type mismatch"},   // read even when empty
    {"BinaryLogSkipsEmpty", "", "nI", "", ""},               // the others leave an empty display
    {"DecimalLogSkipsEmpty", "", "Log", "", ""},
    {"PercentSkipsEmpty", "", "%", "", ""},
    {"DecimalLogOfBlank", "", "AC Log", " ", "Type mismatch"}, // one blank is not empty
    {"BinaryLogOfBlank", "", "AC nI", " ", "Type mismatch"},
    {"PercentOfBlank", "", "AC %", " ", "Type mismatch"},
    {"SquareRootOfBlank", "", "AC Sqr", " ", "Type mismatch"},
    {"PercentOfPercent", "", "5 0 % %", "0.5%", "Type mismatch"},
    {"SquareRootOfPercent", "", "5 0 % Sqr", "0.5%", "Type mismatch"},
    {"TwoPoints", "", ". . 5 Sqr", "..5", "Type mismatch"},
    {"TrailingLetters", "12abc", "Log", "12abc", "Type mismatch"},
    {"DecimalLogOfZero", "", "0 Log", "0", "Invalid procedure call or argument"},
    {"BinaryLogOfZero", "", "0 nI", "0", "Invalid procedure call or argument"},
    {"BinaryLogOfNegative", "-4", "nI", "-4", "Invalid procedure call or argument"},
    {"SquareRootOfNegative", "", "2 - 5 = Sqr", "-3", "Invalid procedure call or argument"},
    {"NumberBeyondDouble", "1E400", "Sqr", "1E400", "Overflow"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Refusals, FunctionKeys, ::testing::ValuesIn(kRefusals), caseName);

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
