#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

using testing_support::Calculator;
using testing_support::u16;

namespace {

struct ChainCase {
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
INSTANTIATE_TEST_SUITE_P(Arithmetic, Chains,
    ::testing::Values(
        ChainCase {"", "1 2 + 3 =", "15", 0, 1, 1, ""},
        ChainCase {"", "1 2 +", "", 12, 1, 0, ""},
        ChainCase {"", "7 - 2 =", "5", 0, 4, 1, ""},
        ChainCase {"", "1 0 - 3 -", "", -7, 4, 0, ""},   // the entry is the minuend
        ChainCase {"", "1 0 - 3 - 2 =", "-9", 0, 4, 1, ""},
        ChainCase {"", "2 + 3 *", "", 6, 2, 0, ""},
        ChainCase {"", "2 + 3 * 4 =", "24", 0, 2, 1, ""},
        ChainCase {"", "2 0 / 4 /", "", 5, 3, 0, ""},     // the accumulator is the dividend
        ChainCase {"", "0 / 5 =", "0", 0, 3, 1, ""},
        ChainCase {"", "0 . 1 + 0 . 2 =", "0.3", 0, 1, 1, ""},
        ChainCase {"", "1 / 3 =", "0.333333333333333", 0, 3, 1, ""},
        ChainCase {"", "2 / 3 =", "0.666666666666667", 0, 3, 1, ""},
        // A second "=" repeats the operation against an accumulator of 0.
        ChainCase {"", "3 * 4 = =", "0", 0, 2, 1, ""},
        ChainCase {"", "9 - 4 = =", "-5", 0, 4, 1, ""},
        ChainCase {"", "1 2 + 3 = =", "15", 0, 1, 1, ""},
        ChainCase {"", "8 / 2 = =", "0", 0, 3, 1, ""},
        // "=" before any operator leaves the display, but zeroes and flags.
        ChainCase {"", "5 =", "5", 0, 0, 1, ""},
        // Empty or odd displays read leniently.
        ChainCase {"", "5 + +", "", 5, 1, 0, ""},
        ChainCase {"", "5 * *", "", 0, 2, 0, ""},
        ChainCase {"12abc", "+ 1 =", "13", 0, 1, 1, ""},
        ChainCase {"1E15", "+ =", "1E+15", 0, 1, 1, ""},
        // Errors stop the key at the failing step; the program goes on.
        ChainCase {"", "5 / 0 =", "0", 5, 3, 0, "Division by zero"},
        ChainCase {"", "5 / 0 = C 2 =", "2.5", 0, 3, 1, "Division by zero"},
        ChainCase {"", "8 / 2 = = =", "0", 0, 3, 1, "Overflow"},   // 0 / 0
        ChainCase {"", "5 / 0 /", "0", 5, 3, 0, "Division by zero"},
        ChainCase {"", "0 / 0 /", "", 0, 3, 0, ""},       // a zero accumulator takes the entry
        // No key stores an infinity: the accumulator keeps its old value.
        ChainCase {"1E308", "* 1 0 *", "10", 1e308, 2, 0, "Overflow"},
        ChainCase {"1E308", "* 1 0 * C C + 5 =", "1E+308", 0, 1, 1, "Overflow"},
        ChainCase {"1E308", "MS MR + MR +", "1E+308", 1e308, 1, 0, "Overflow"}, // MR: 1E+308 again
        ChainCase {"1E308", "MS MR - 0 - MR -", "1E+308", -1e308, 4, 0, "Overflow"},
        ChainCase {"1E400", "*", "1E400", 0, 2, 0, "Overflow"},
        ChainCase {"-1E400", "+", "-1E400", 0, 1, 0, "Overflow"}
        ));
// clang-format on

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
