// Every calculating key, clicked by its caption in sequences a user would type.
// A row gives the display typed by hand before the keys, the keys, the display
// and the errors reported after them, and what the calculator then holds:
// "total" the running total, "op" the pending operation's code, "new" the entry
// flag, "memory" the register, "M" whether the memory box is shown, "focus"
// whether the display has the keyboard focus. Unnamed values are not checked.
// "MC" is answered No unless a test says otherwise.

#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using testing_support::Calculator;
using testing_support::caseName;

namespace {

struct KeyCase {
    const char* name;
    const char16_t* typed;
    const char* keys;
    const char* display;
    const char* errors;
    const char* holds;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.keys; }

void expectHolds(const Calculator& calc, const std::string& holds)
{
    std::istringstream in(holds);
    for (std::string item; in >> item;) {
        const std::string what = item.substr(0, item.find('='));
        const calc::CalculatorState& s = calc.state();
        const double actual = what == "total" ? s.accumulator
            : what == "op"                    ? s.pendingOperation
            : what == "new"                   ? s.newEntry
            : what == "memory"                ? s.memoryValue
            : what == "M"                     ? calc.indicatorShown()
            : what == "focus"                 ? calc.displayFocused()
                                              : std::nan("");
        EXPECT_EQ(actual, std::stod(item.substr(what.size() + 1))) << what;
    }
}

class Keys : public ::testing::TestWithParam<KeyCase> { };

TEST_P(Keys, ClickedInTurn)
{
    const KeyCase& c = GetParam();
    Calculator calc;
    calc.platform.textOf(ui::Control::TEXT1) = c.typed;
    EXPECT_EQ(calc.run(c.keys), c.errors);
    EXPECT_EQ(calc.display(), c.display);
    expectHolds(calc, c.holds);
}

// clang-format off
const KeyCase kEntry[] = {
    {"FirstDigit", u"", "5", "5", "", "new=0"},
    {"EveryDigitKeyTypesItsDigit", u"", "0 1 2 3 4 5 6 7 8 9", "0123456789", "", ""},
    {"DigitAfterOnKeepsTheZero", u"", "ON 5", "05", "", ""},
    {"DigitAfterAllClearKeepsTheBlank", u"", "AC 5", " 5", "", ""},
    {"PointsAppendUnchecked", u"", ". .", "..", "", ""},
    {"BackspaceRemovesTheLastCharacter", u"", "1 2 C", "1", "", ""},
    {"BackspaceEmptiesTheDisplay", u"", "1 C", "", "", ""},
    {"BackspaceOnEmptyDisplayFails", u"", "1 C C 7", "7", "Invalid procedure call or argument", ""},
    {"BackspaceRemovesWholeCharacter", u"1\U0001F600", "C", "1", "", ""},
    {"EntryKeysKeepRunningValues", u"", "6 MS 8 + 9 AC ON C 1", "1", "", "total=8 memory=6 op=1"},
    // After "=", the next digit or point starts a new number, even after "AC" or "C".
    {"DigitAfterEqualsStartsNewNumber", u"", "4 + 3 = 7", "7", "", "new=0"},
    {"FlagOutlivesClearingKeys", u"", "4 + 3 = AC ON C", "", "", "new=1"},
    {"NewNumberAfterEqualsAndAllClear", u"", "4 + 3 = AC 7", "7", "", ""},
    {"SecondDigitAfterEqualsAppends", u"", "4 + 3 = 7 8", "78", "", ""},
};

const KeyCase kArithmetic[] = {
    {"AddThenEquals", u"", "1 2 + 3 =", "15", "", "total=0 op=1 new=1"},
    {"AddFoldsTheEntry", u"", "1 2 +", "", "", "total=12 op=1 new=0"},
    {"SubtractThenEquals", u"", "7 - 2 =", "5", "", "total=0 op=4 new=1"},
    {"EntryIsTheMinuend", u"", "1 0 - 3 -", "", "", "total=-7 op=4"},
    {"SubtractChainThenEquals", u"", "1 0 - 3 - 2 =", "-9", "", ""},
    {"MultiplyFoldsTheTotal", u"", "2 + 3 *", "", "", "total=6 op=2"},
    {"MultiplyThenEquals", u"", "2 + 3 * 4 =", "24", "", "total=0 op=2 new=1"},
    {"TotalIsTheDividend", u"", "2 0 / 4 /", "", "", "total=5 op=3"},
    {"ZeroDividedIsZero", u"", "0 / 5 =", "0", "", ""},
    {"SumRoundsToFifteenDigits", u"", "0 . 1 + 0 . 2 =", "0.3", "", ""},
    {"LastDigitRoundsUp", u"", "2 / 3 =", "0.666666666666667", "", ""},
    // A second "=" repeats the operation against a total of 0.
    {"SecondEqualsMultipliesZero", u"", "3 * 4 = =", "0", "", "op=2"},
    {"SecondEqualsSubtractsFromZero", u"", "9 - 4 = =", "-5", "", ""},
    {"EqualsAloneKeepsTheDisplay", u"", "5 =", "5", "", "total=0 op=0 new=1"},
    // Empty or odd displays read leniently.
    {"EmptyEntryAddsZero", u"", "5 + +", "", "", "total=5"},
    {"EmptyEntryMultipliesToZero", u"", "5 * *", "", "", "total=0"},
    {"EntryReadsItsNumericStart", u"12abc", "+ 1 =", "13", "", ""},
    {"LargeResultInExponentForm", u"1E15", "+ =", "1E+15", "", ""},
    // Errors stop the key at the failing step; the calculator goes on.
    {"DivisionByZeroOnEquals", u"", "5 / 0 =", "0", "Division by zero", "total=5 op=3 new=0"},
    {"GoesOnAfterDivisionByZero", u"", "5 / 0 = C 2 =", "2.5", "Division by zero", "total=0"},
    {"ZeroOverZeroOverflows", u"", "8 / 2 = = =", "0", "Overflow", ""},
    {"DivisionByZeroOnDivideKey", u"", "5 / 0 /", "0", "Division by zero", "total=5"},
    {"ZeroTotalTakesTheEntry", u"", "0 / 0 /", "", "", "total=0 op=3"},
    // No key stores an infinity: the total keeps its old value ("MR" brings 1E+308 back).
    {"MultiplyOverflowKeepsTotal", u"1E308", "* 1 0 *", "10", "Overflow", "total=1e308 op=2"},
    {"GoesOnAfterMultiplyOverflow", u"1E308", "* 1 0 * C C + 5 =", "1E+308", "Overflow", "total=0"},
    {"AddOverflowKeepsTotal", u"1E308", "MS MR + MR +", "1E+308", "Overflow", "total=1e308 op=1"},
    {"SubtractOverflowKeepsTotal", u"1E308", "MS MR - 0 - MR -", "1E+308", "Overflow", "total=-1e308 op=4"},
    {"EqualsOverflowKeepsDisplayAndFlag", u"1E308", "MS MR + MR =", "1E+308", "Overflow", "total=1e308 new=0"},
    {"MultiplyRefusesHugeEntry", u"1E400", "*", "1E400", "Overflow", "total=0 op=2"},
    {"AddRefusesHugeEntry", u"-1E400", "+", "-1E400", "Overflow", "total=0 op=1"},
};

const KeyCase kFunctions[] = {
    {"SquareRoot", u"", "9 Sqr", "3", "", ""},
    {"SquareRootToFifteenDigits", u"", "2 Sqr", "1.4142135623731", "", ""},
    {"BlanksAroundTheNumber", u" 16 ", "Sqr", "4", "", ""},
    {"BinaryLog", u"", "1 0 2 4 nI", "10", "", ""},
    {"BinaryLogToFifteenDigits", u"", "3 nI", "1.58496250072116", "", ""},
    {"BinaryLogOfHalf", u"", "0 . 5 nI", "-1", "", ""},
    {"DecimalLog", u"", "1 0 0 0 Log", "3", "", ""},
    {"DecimalLogToFifteenDigits", u"", "2 Log", "0.301029995663981", "", ""},
    {"DecimalLogOfTinyNumber", u"1E-300", "Log", "-300", "", ""},
    {"PercentWritesItsSign", u"", "5 0 %", "0.5%", "", ""},
    {"PercentOfNegative", u"-7", "%", "-0.07%", "", ""},
    // The boundaries of each function's domain.
    {"SquareRootOfZero", u"", "0 Sqr", "0", "", ""},
    {"SquareRootOfNegativeZero", u"-0", "Sqr", "0", "", ""},
    {"BinaryLogOfOne", u"", "1 nI", "0", "", ""},
    {"DecimalLogOfOne", u"", "1 Log", "0", "", ""},
    {"DecimalLogOfSmallestDouble", u"4.94065645841247E-324", "Log", "-323.306215343116", "", ""},
    {"PercentOfZero", u"", "0 %", "0%", "", ""},
    // Results feed a pending operation; the keys leave the state and the focus alone.
    {"PercentFeedsTheOperator", u"", "5 0 % + 1 =", "1.5", "", ""},
    {"ResultIsThePendingEntry", u"", "2 + 9 Sqr =", "5", "", ""},
    {"DigitAfterResultAppends", u"", "9 Sqr 1", "31", "", ""},
    {"SquareRootLeavesTheState", u"", "7 MS 2 + 1 6 Sqr", "4", "", "total=2 op=1 new=0 memory=7 focus=0"},
    {"BinaryLogLeavesTheState", u"", "7 MS 2 + 1 6 nI", "4", "", "total=2 op=1 new=0 memory=7 focus=0"},
    {"DecimalLogLeavesTheState", u"", "7 MS 2 * 5 0 = Log", "2", "", "total=0 op=2 new=1 memory=7 focus=0"},
    {"PercentLeavesTheState", u"", "7 MS 2 + 1 6 %", "0.16%", "", "total=2 op=1 new=0 memory=7 focus=0"},
    // Refusals: the strict read wants exactly one number.
    {"SquareRootOfEmpty", u"", "Sqr", "", "Type mismatch", ""},
    {"BinaryLogSkipsEmpty", u"", "nI", "", "", ""},
    {"DecimalLogSkipsEmpty", u"", "Log", "", "", ""},
    {"PercentSkipsEmpty", u"", "%", "", "", ""},
    {"DecimalLogOfBlank", u"", "AC Log", " ", "Type mismatch", ""},
    {"SquareRootOfBlank", u"", "AC Sqr", " ", "Type mismatch", ""},
    {"PercentOfPercent", u"", "5 0 % %", "0.5%", "Type mismatch", ""},
    {"TwoPoints", u"", ". . 5 Sqr", "..5", "Type mismatch", ""},
    {"TrailingLetters", u"12abc", "Log", "12abc", "Type mismatch", ""},
    {"DecimalLogOfZero", u"", "0 Log", "0", "Invalid procedure call or argument", ""},
    {"BinaryLogOfNegativeZero", u"-0", "nI", "-0", "Invalid procedure call or argument", ""},
    {"BinaryLogOfNegative", u"-4", "nI", "-4", "Invalid procedure call or argument", ""},
    {"SquareRootOfNegative", u"", "2 - 5 = Sqr", "-3", "Invalid procedure call or argument", ""},
    {"NumberBeyondDouble", u"1E400", "Sqr", "1E400", "Overflow", ""},
};

const KeyCase kMemory[] = {
    {"AddShowsTheIndicator", u"", "MC 5 M+", "", "", "memory=5 M=1 focus=1"},
    {"AddOfEmptyDisplay", u"", "MC M+", "", "", "memory=0 M=1 focus=1"},
    {"AddAccumulates", u"", "5 M+ 3 M+ MR", "8", "", "memory=8 focus=0"},
    {"AddReadsPercentText", u"", "5 0 % M+", "", "", "memory=0.5"},
    {"RegisterIsTheMinuend", u"", "MC 5 MS 2 M- MR", "3", "", "memory=3 M=0"},
    {"SubtractFocusesTheDisplay", u"", "MC 9 M-", "", "", "memory=-9 M=0 focus=1"},
    {"StoreFocusesTheDisplay", u"", "MC 4 MS", "", "", "memory=4 M=0 focus=1"},
    {"StoreOfBlankIsZero", u"", "4 MS AC MS", "", "", "memory=0"},
    {"StoreReadsTheNumericStart", u"12abc", "MS", "", "", "memory=12"},
    {"RecallOfEmptyRegister", u"", "MR", "0", "", "memory=0 focus=0"},
    {"DigitAfterRecallAppends", u"", "5 MS MR 1", "51", "", ""},
    {"DigitAfterEqualsReplacesRecall", u"", "5 MS 2 * 3 = MR 1", "1", "", ""},
    {"RecallFeedsPendingOperation", u"", "4 MS 2 + MR =", "6", "", "memory=4"},
    {"ClearingKeysKeepTheRegister", u"", "6 MS 1 = AC ON C", "", "", "memory=6"},
    {"ClearAnsweredNoKeepsAllButTheIndicator", u"", "5 M+ 2 MC", "2", "", "memory=5 M=0 focus=0"},
    // No key stores an infinity: the register keeps its old value.
    {"StoreRefusesHugeNumber", u"1E400", "MS", "1E400", "Overflow", "memory=0"},
    {"AddOverflowKeepsRegister", u"1E308", "MC MS MR M+", "1E+308", "Overflow", "memory=1e308 M=0 focus=0"},
    {"SubtractOverflowKeepsRegister", u"-1E308", "MC MS 0 - MR = M-", "1E+308", "Overflow", "memory=-1e308 M=0 focus=0"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Entry, Keys, ::testing::ValuesIn(kEntry), caseName);
INSTANTIATE_TEST_SUITE_P(Arithmetic, Keys, ::testing::ValuesIn(kArithmetic), caseName);
INSTANTIATE_TEST_SUITE_P(Functions, Keys, ::testing::ValuesIn(kFunctions), caseName);
INSTANTIATE_TEST_SUITE_P(Memory, Keys, ::testing::ValuesIn(kMemory), caseName);

TEST(Keys, MemoryClearAsksAndOnYesClears)
{
    Calculator calc;
    calc.run("5 M+ 2");
    calc.platform.nextAnswer = ui::Answer::Yes;
    calc.run("MC");
    ASSERT_EQ(calc.platform.boxes.size(), 1U);
    EXPECT_EQ(calc.platform.boxes[0].text, u"are you sure to clearing memory!!");
    EXPECT_EQ(calc.platform.boxes[0].style, ui::kQuestionBox);
    EXPECT_EQ(calc.state().memoryPrompt, u"are you sure to clearing memory!!");
    EXPECT_EQ(calc.state().memoryAnswer, u"6");
    EXPECT_EQ(calc.display(), "");
    expectHolds(calc, "memory=0 M=0 focus=1");
    EXPECT_EQ(calc.platform.textOf(ui::Control::Text2), u"M"); // hidden, but its text stays
}

TEST(Keys, RunShowsTheAboutBoxAndOffEnds)
{
    Calculator calc;
    calc.run("1 + RUN");
    ASSERT_EQ(calc.platform.boxes.size(), 1U);
    EXPECT_EQ(calc.platform.boxes[0].text,
        u"This calculator was designed and programmed by Eng Kelvo Orvi ");
    EXPECT_EQ(calc.platform.boxes[0].style, ui::kAboutBox);
    expectHolds(calc, "total=1 op=1");
    calc.run("OFF");
    EXPECT_TRUE(calc.platform.quitCalled);
    EXPECT_EQ(calc.platform.boxes.size(), 1U); // no question
}

} // namespace
