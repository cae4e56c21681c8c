#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

using testing_support::Calculator;
using testing_support::caseName;
using testing_support::u16;

namespace {

struct ChainCase {
    const char* name;
    const char* typed; // text in the display before the keys, as if typed by hand
    const char* keys;
    const char* display;
    double accumulator;
    int pendingOperation;
    int newEntry;
    const char* errors;
};

void PrintTo(const ChainCase& c, std::ostream* os)
{
    *os << '"' << c.typed << "\" then " << c.keys;
}

class Chains : public ::testing::TestWithParam<ChainCase> { };

TEST_P(Chains, LeaveDisplayAndStateAsExpected)
{
    const ChainCase& c = GetParam();
    Calculator calc;
    calc.panel.display = u16(c.typed);
    EXPECT_EQ(calc.run(c.keys), c.errors);
    EXPECT_EQ(calc.display(), c.display);
    EXPECT_EQ(calc.state.accumulator, c.accumulator);
    EXPECT_EQ(calc.state.pendingOperation, c.pendingOperation);
    EXPECT_EQ(calc.state.newEntry, c.newEntry);
}

// clang-format off
const ChainCase kChains[] = {
    {"AddThenEquals", "", "1 2 + 3 =", "15", 0, 1, 1, ""},
    {"AddFoldsTheEntry", "", "1 2 +", "", 12, 1, 0, ""},
    {"SubtractThenEquals", "", "7 - 2 =", "5", 0, 4, 1, ""},
    {"EntryIsTheMinuend", "", "1 0 - 3 -", "", -7, 4, 0, ""},
    {"SubtractChainThenEquals", "", "1 0 - 3 - 2 =", "-9", 0, 4, 1, ""},
    {"MultiplyFoldsTheTotal", "", "2 + 3 *", "", 6, 2, 0, ""},
    {"MultiplyThenEquals", "", "2 + 3 * 4 =", "24", 0, 2, 1, ""},
    {"TotalIsTheDividend", "", "2 0 / 4 /", "", 5, 3, 0, ""},
    {"ZeroDividedIsZero", "", "0 / 5 =", "0", 0, 3, 1, ""},
    {"SumRoundsToFifteenDigits", "", "0 . 1 + 0 . 2 =", "0.3", 0, 1, 1, ""},
    {"ThirdShowsFifteenDigits", "", "1 / 3 =", "0.333333333333333", 0, 3, 1, ""},
    {"LastDigitRoundsUp", "", "2 / 3 =", "0.666666666666667", 0, 3, 1, ""},
    // A second "=" repeats the operation against an accumulator of 0.
    {"SecondEqualsMultipliesZero", "", "3 * 4 = =", "0", 0, 2, 1, ""},
    {"SecondEqualsSubtractsFromZero", "", "9 - 4 = =", "-5", 0, 4, 1, ""},
    {"SecondEqualsAddsZero", "", "1 2 + 3 = =", "15", 0, 1, 1, ""},
    {"SecondEqualsDividesZero", "", "8 / 2 = =", "0", 0, 3, 1, ""},
    // "=" before any operator leaves the display, but zeroes and flags.
    {"EqualsAloneKeepsTheDisplay", "", "5 =", "5", 0, 0, 1, ""},
    // Empty or odd displays read leniently.
    {"EmptyEntryAddsZero", "", "5 + +", "", 5, 1, 0, ""},
    {"EmptyEntryMultipliesToZero", "", "5 * *", "", 0, 2, 0, ""},
    {"EntryReadsItsNumericStart", "12abc", "+ 1 =", "13", 0, 1, 1, ""},
    {"LargeResultInExponentForm", "1E15", "+ =", "1E+15", 0, 1, 1, ""},
    // Errors stop the key at the failing step; the program goes on.
    {"DivisionByZeroOnEquals", "", "5 / 0 =", "0", 5, 3, 0, "Division by zero"},
    {"GoesOnAfterDivisionByZero", "", "5 / 0 = C 2 =", "2.5", 0, 3, 1, "Division by zero"},
    {"ZeroOverZeroOverflows", "", "8 / 2 = = =", "0", 0, 3, 1, "Overflow"},
    {"DivisionByZeroOnDivideKey", "", "5 / 0 /", "0", 5, 3, 0, "Division by zero"},
    {"ZeroTotalTakesTheEntry", "", "0 / 0 /", "", 0, 3, 0, ""},
    // No key stores an infinity: the accumulator keeps its old value ("MR" brings 1E+308 back).
    {"MultiplyOverflowKeepsTotal", "1E308", "* 1 0 *", "10", 1e308, 2, 0, "Overflow"},
    {"GoesOnAfterMultiplyOverflow", "1E308", "* 1 0 * C C + 5 =", "1E+308", 0, 1, 1, "Overflow"},
    {"AddOverflowKeepsTotal", "1E308", "MS MR + MR +", "1E+308", 1e308, 1, 0, "Overflow"},
    {"SubtractOverflowKeepsTotal", "1E308", "MS MR - 0 - MR -", "1E+308", -1e308, 4, 0, "Overflow"},
    {"MultiplyRefusesHugeEntry", "1E400", "*", "1E400", 0, 2, 0, "Overflow"},
    {"AddRefusesHugeEntry", "-1E400", "+", "-1E400", 0, 1, 0, "Overflow"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Arithmetic, Chains, ::testing::ValuesIn(kChains), caseName);

TEST(Chains, OverflowOnEqualsKeepsDisplayAndFlag)
{
    Calculator calc;
    calc.panel.display = u"1E308";
    calc.run("+");
    calc.panel.display = u"1E308";
    EXPECT_EQ(calc.run("="), "Overflow");
    EXPECT_EQ(calc.display(), "1E308");
    EXPECT_EQ(calc.state.accumulator, 1e308);
    EXPECT_EQ(calc.state.newEntry, 0);
}

} // namespace
