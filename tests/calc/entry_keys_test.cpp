#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

using testing_support::Calculator;
using testing_support::caseName;

namespace {

struct EntryCase {
    const char* name;
    const char* keys;
    const char* display;
    const char* errors;
};

class EntryKeys : public ::testing::TestWithParam<EntryCase> { };

TEST_P(EntryKeys, EditTheDisplayText)
{
    const EntryCase& c = GetParam();
    Calculator calc;
    EXPECT_EQ(calc.run(c.keys), c.errors);
    EXPECT_EQ(calc.display(), c.display);
}

// clang-format off
const EntryCase kSequences[] = {
    {"FirstDigit", "5", "5", ""},
    {"DigitsAppend", "1 2", "12", ""},
    {"DigitAfterOnKeepsTheZero", "ON 5", "05", ""},
    {"DigitAfterAllClearKeepsTheBlank", "AC 5", " 5", ""},
    {"PointsAppendUnchecked", ". .", "..", ""},
    {"BackspaceRemovesTheLastCharacter", "1 2 C", "1", ""},
    {"BackspaceEmptiesTheDisplay", "1 C", "", ""},
    {"BackspaceOnEmptyDisplayFails", "C", "", "Invalid procedure call or argument"},
    {"TypingGoesOnAfterBackspaceError", "1 C C 7", "7", "Invalid procedure call or argument"},
    // After "=", the next digit or point starts a new number, even after "AC" or "C".
    {"DigitAfterEqualsStartsNewNumber", "4 + 3 = 7", "7", ""},
    {"PointAfterEqualsStartsNewNumber", "4 + 3 = .", ".", ""},
    {"NewNumberAfterEqualsAndAllClear", "4 + 3 = AC 7", "7", ""},
    {"NewNumberAfterEqualsAndBackspace", "4 + 3 = C 9", "9", ""},
    {"SecondDigitAfterEqualsAppends", "4 + 3 = 7 8", "78", ""},
    {"EveryDigitKeyTypesItsDigit", "0 1 2 3 4 5 6 7 8 9", "0123456789", ""},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Sequences, EntryKeys, ::testing::ValuesIn(kSequences), caseName);

TEST(EntryKeys, FlagClearsOnlyOnDigitOrPoint)
{
    Calculator calc;
    calc.run("2 * 3 =");
    ASSERT_EQ(calc.state.newEntry, 1);
    calc.run("AC ON C");
    EXPECT_EQ(calc.state.newEntry, 1);
    calc.run("5");
    EXPECT_EQ(calc.state.newEntry, 0);
}

TEST(EntryKeys, BackspaceRemovesWholeSupplementaryCharacter)
{
    Calculator calc;
    calc.panel.display = u"1\U0001F600";
    calc.run("C");
    EXPECT_EQ(calc.panel.display, u"1");
}

TEST(EntryKeys, KeepRunningValues)
{
    Calculator calc;
    calc.run("6 MS 8 + 9");
    calc.run("AC ON C 1");
    EXPECT_EQ(calc.state.accumulator, 8);
    EXPECT_EQ(calc.state.memoryValue, 6);
    EXPECT_EQ(calc.state.pendingOperation, 1);
}

} // namespace
