#include "calc/calculator_driver.h"

#include <gtest/gtest.h>

using testing_support::Calculator;
using testing_support::caseName;
using testing_support::u16;

namespace {

struct MemoryCase {
    const char* name;
    const char* typed;
    const char* keys;
    double memory;
    const char* display;
    bool indicatorShown;
    bool displayFocused;
    const char* errors;
};

void PrintTo(const MemoryCase& c, std::ostream* os)
{
    *os << '"' << c.typed << "\" then " << c.keys;
}

class MemoryKeys : public ::testing::TestWithParam<MemoryCase> { };

TEST_P(MemoryKeys, KeepOneValueAcrossCalculations)
{
    const MemoryCase& c = GetParam();
    Calculator calc;
    calc.panel.indicatorVisible = false; // so that only "M+" can show it
    calc.panel.display = u16(c.typed);
    EXPECT_EQ(calc.run(c.keys), c.errors);
    EXPECT_EQ(calc.state.memoryValue, c.memory);
    EXPECT_EQ(calc.display(), c.display);
    EXPECT_EQ(calc.panel.indicatorVisible, c.indicatorShown);
    EXPECT_EQ(calc.panel.displayFocused, c.displayFocused);
}

// clang-format off
const MemoryCase kRegister[] = {
    {"AddShowsTheIndicator", "", "5 M+", 5, "", true, true, ""},
    {"RecallShowsTheRegister", "", "5 M+ MR", 5, "5", true, false, ""},
    {"AddAccumulates", "", "5 M+ 3 M+ MR", 8, "8", true, false, ""},
    {"RegisterIsTheMinuend", "", "5 MS 2 M- MR", 3, "3", false, false, ""},
    {"AddOfEmptyDisplay", "", "M+", 0, "", true, true, ""},
    {"StoreEmptiesTheDisplay", "", "4 MS", 4, "", false, true, ""},
    {"StoreOfBlankIsZero", "", "4 MS AC MS", 0, "", false, true, ""},
    {"SubtractFromEmptyRegister", "", "9 M-", -9, "", false, true, ""},
    {"AddReadsPercentText", "", "5 0 % M+", 0.5, "", true, true, ""},
    {"StoreReadsTheNumericStart", "12abc", "MS", 12, "", false, true, ""},
    {"RecallOfEmptyRegister", "", "MR", 0, "0", false, false, ""},
    {"DigitAfterRecallAppends", "", "5 MS MR 1", 5, "51", false, false, ""},
    {"DigitAfterEqualsReplacesRecall", "", "5 MS 2 * 3 = MR 1", 5, "1", false, false, ""},
    {"RecallFeedsPendingOperation", "", "4 MS 2 + MR =", 4, "6", false, false, ""},
    {"ClearingKeysKeepTheRegister", "", "6 MS 1 = AC ON C", 6, "", false, false, ""},
    // No key stores an infinity: the register keeps its old value.
    {"StoreRefusesHugeNumber", "1E400", "MS", 0, "1E400", false, false, "Overflow"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Register, MemoryKeys, ::testing::ValuesIn(kRegister), caseName);

TEST(MemoryKeys, OverflowKeepsRegisterDisplayAndIndicator)
{
    for (const char* key : { "M+", "M-" }) {
        SCOPED_TRACE(key);
        Calculator calc;
        const bool subtract = key[1] == '-';
        calc.panel.display = subtract ? u"-1E308" : u"1E308";
        calc.run("MS");
        calc.panel.indicatorVisible = false;
        calc.panel.displayFocused = false;
        calc.panel.display = u"1E308";
        EXPECT_EQ(calc.press(key), "Overflow");
        EXPECT_EQ(calc.state.memoryValue, subtract ? -1e308 : 1e308);
        EXPECT_EQ(calc.display(), "1E308");
        EXPECT_FALSE(calc.panel.indicatorVisible);
        EXPECT_FALSE(calc.panel.displayFocused);
    }
}

TEST(MemoryKeys, ClearAsksAndActsOnTheAnswer)
{
    struct Answer {
        int code;
        const char* storedAnswer;
        double memory;
        const char* display;
        bool focused;
    };
    for (const Answer a : { Answer { 6, "6", 0, "", true }, Answer { 7, "7", 5, "2", false } }) {
        SCOPED_TRACE(a.code);
        Calculator calc;
        calc.run("5 M+ 2");
        calc.panel.answer = a.code;
        calc.run("MC");
        ASSERT_EQ(calc.panel.questions.size(), 1U);
        EXPECT_EQ(calc.panel.questions[0], u"are you sure to clearing memory!!");
        EXPECT_EQ(calc.state.memoryPrompt, u"are you sure to clearing memory!!");
        EXPECT_EQ(calc.state.memoryAnswer, u16(a.storedAnswer));
        EXPECT_EQ(calc.state.memoryValue, a.memory);
        EXPECT_EQ(calc.display(), a.display);
        EXPECT_EQ(calc.panel.displayFocused, a.focused);
        EXPECT_FALSE(calc.panel.indicatorVisible);
        EXPECT_EQ(calc.panel.indicatorText, u"M"); // hidden, but its text stays
    }
}

} // namespace
