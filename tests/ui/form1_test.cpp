#include "ui/fake_platform.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <set>

using testing_support::FakePlatform;
using ui::Control;
using ui::Form1;

namespace {

void click(Form1& form, Control key)
{
    for (const Form1::ClickBinding& binding : Form1::clickBindings()) {
        if (binding.key == key)
            return (form.*binding.handler)();
    }
    FAIL() << "no handler bound to key " << static_cast<int>(key);
}

TEST(Form1, LoadStartsTheBannerAndNothingElse)
{
    FakePlatform platform;
    Form1 form(platform);
    EXPECT_EQ(form.bannerStep(), 0);
    form.Form_Load();
    EXPECT_EQ(form.bannerStep(), 1);
    const calc::CalculatorState& s = form.calculatorState();
    EXPECT_EQ(s.accumulator, 0);
    EXPECT_EQ(s.memoryValue, 0);
    EXPECT_TRUE(s.memoryPrompt.empty());
    EXPECT_TRUE(s.memoryAnswer.empty());
    EXPECT_EQ(s.newEntry, 0);
    EXPECT_EQ(s.pendingOperation, 0);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST(Form1, EveryKeyIsBoundOnce)
{
    std::set<Control> keys;
    for (const Form1::ClickBinding& binding : Form1::clickBindings())
        EXPECT_TRUE(keys.insert(binding.key).second) << static_cast<int>(binding.key);
    EXPECT_EQ(keys.size(), 30U);
}

struct KeyCase {
    const char* name;
    Control key;
    const char16_t* before;
    const char16_t* after;
    int pendingOperation;
};

class Keys : public ::testing::TestWithParam<KeyCase> { };

TEST_P(Keys, RunTheirOwnBehaviour)
{
    const KeyCase& c = GetParam();
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    platform.textOf(Control::TEXT1) = c.before;
    click(form, c.key);
    EXPECT_EQ(platform.textOf(Control::TEXT1), c.after);
    EXPECT_EQ(form.calculatorState().pendingOperation, c.pendingOperation);
    EXPECT_TRUE(platform.boxes.empty());
}

using enum Control;
// clang-format off
const KeyCase kKeypad[] = {
    {"Digit1", Command1, u"", u"1", 0},          {"Digit4", Command2, u"", u"4", 0},
    {"Digit7", Command3, u"", u"7", 0},          {"Digit0", Command4, u"", u"0", 0},
    {"Digit2", Command5, u"", u"2", 0},          {"Digit5", Command6, u"", u"5", 0},
    {"Digit8", Command7, u"", u"8", 0},          {"Digit3", Command9, u"", u"3", 0},
    {"Digit6", Command10, u"", u"6", 0},         {"Digit9", Command11, u"", u"9", 0},
    {"Point", Command17, u"", u".", 0},          {"Backspace", Command8, u"12", u"1", 0},
    {"AllClear", Command20, u"12", u" ", 0},     {"On", Command29, u"12", u"0", 0},
    {"Add", Command13, u"12", u"", 1},           {"Subtract", Command14, u"12", u"", 4},
    {"Multiply", Command15, u"12", u"", 2},      {"Divide", Command16, u"12", u"", 3},
    {"Equals", Command12, u"12", u"12", 0},
    {"SquareRoot", Command18, u"9", u"3", 0},    {"BinaryLog", Command19, u"8", u"3", 0},
    {"DecimalLog", Command28, u"100", u"2", 0},  {"Percent", Command27, u"50", u"0.5%", 0},
    {"MemoryAdd", Command22, u"5", u"", 0},      {"MemorySubtract", Command23, u"5", u"", 0},
    {"MemoryStore", Command24, u"5", u"", 0},    {"MemoryRecall", Command25, u"5", u"0", 0},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Keypad, Keys, ::testing::ValuesIn(kKeypad),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Form1, ErrorsAreReportedAndTheCalculatorGoesOn)
{
    struct ErrorCase {
        const char16_t* display;
        Control key;
        const char16_t* message;
    };
    for (const ErrorCase& c : {
             ErrorCase { u"", Control::Command8, u"Invalid procedure call or argument" },
             ErrorCase { u"", Control::Command18, u"Type mismatch" },
             ErrorCase { u"1E400", Control::Command13, u"Overflow" },
             ErrorCase { u"-4", Control::Command18, u"Invalid procedure call or argument" },
         }) {
        FakePlatform platform;
        Form1 form(platform);
        platform.textOf(Control::TEXT1) = c.display;
        click(form, c.key);
        ASSERT_EQ(platform.boxes.size(), 1U);
        EXPECT_EQ(platform.boxes[0].text, c.message);
        EXPECT_EQ(platform.boxes[0].style, ui::box::kCritical);
        EXPECT_EQ(platform.textOf(Control::TEXT1), c.display);
        click(form, Control::Command29); // ON: the keys still work
        EXPECT_EQ(platform.textOf(Control::TEXT1), u"0");
    }
}

} // namespace
