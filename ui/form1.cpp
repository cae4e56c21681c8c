#include "form1.h"

#include "app_info.h"
#include "calc/arithmetic_keys.h"
#include "calc/entry_keys.h"
#include "calc/function_keys.h"
#include "calc/memory_keys.h"
#include "calc/runtime_error.h"

namespace ui {

template <typename Work> void Form1::runKey(Work&& work)
{
    try {
        work();
    } catch (const calc::RuntimeError& error) {
        platform_.messageBox(calc::errorMessage(error.kind()), box::kCritical | box::kOkOnly);
    }
}

void Form1::Form_Load() { bannerStep_ = 1; }

void Form1::Timer1_Timer() { banner::bannerTick(bannerStep_, *this); }

// Entry keys. The key numbers do not follow the captions: Command1 is "1",
// Command2 is "4", Command4 is "0".
void Form1::Command1_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'1'); });
}
void Form1::Command2_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'4'); });
}
void Form1::Command3_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'7'); });
}
void Form1::Command4_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'0'); });
}
void Form1::Command5_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'2'); });
}
void Form1::Command6_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'5'); });
}
void Form1::Command7_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'8'); });
}
void Form1::Command9_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'3'); });
}
void Form1::Command10_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'6'); });
}
void Form1::Command11_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'9'); });
}
void Form1::Command17_Click()
{
    runKey([&] { calc::entryKey(state_, *this, u'.'); });
}
void Form1::Command8_Click()
{
    runKey([&] { calc::backspaceKey(*this); });
}
void Form1::Command20_Click()
{
    runKey([&] { calc::clearKey(*this); });
}
void Form1::Command29_Click()
{
    runKey([&] { calc::onKey(*this); });
}

// "=" and the operators.
void Form1::Command12_Click()
{
    runKey([&] { calc::equalsKey(state_, *this); });
}
void Form1::Command13_Click()
{
    runKey([&] { calc::operatorKey(state_, *this, calc::Operation::Add); });
}
void Form1::Command14_Click()
{
    runKey([&] { calc::operatorKey(state_, *this, calc::Operation::Subtract); });
}
void Form1::Command15_Click()
{
    runKey([&] { calc::operatorKey(state_, *this, calc::Operation::Multiply); });
}
void Form1::Command16_Click()
{
    runKey([&] { calc::operatorKey(state_, *this, calc::Operation::Divide); });
}

// Functions and percent.
void Form1::Command18_Click()
{
    runKey([&] { calc::squareRootKey(*this); });
}
void Form1::Command19_Click()
{
    runKey([&] { calc::logarithmKey(*this, 2); });
}
void Form1::Command28_Click()
{
    runKey([&] { calc::logarithmKey(*this, 10); });
}
void Form1::Command27_Click()
{
    runKey([&] { calc::percentKey(*this); });
}

// Memory.
void Form1::Command22_Click()
{
    runKey([&] { calc::memoryAddKey(state_, *this); });
}
void Form1::Command23_Click()
{
    runKey([&] { calc::memorySubtractKey(state_, *this); });
}
void Form1::Command24_Click()
{
    runKey([&] { calc::memoryStoreKey(state_, *this); });
}
void Form1::Command25_Click()
{
    runKey([&] { calc::memoryRecallKey(state_, *this); });
}
void Form1::Command26_Click()
{
    runKey([&] { calc::memoryClearKey(state_, *this); });
}

// "OFF" and "RUN".
void Form1::Command21_Click() { platform_.quit(); }
void Form1::Command30_Click()
{
    platform_.messageBox(kAboutMessage, box::kInformation | box::kOkOnly);
}

const std::array<Form1::ClickBinding, 30>& Form1::clickBindings()
{
    static constexpr std::array<ClickBinding, 30> bindings { {
        { Control::Command1, &Form1::Command1_Click },
        { Control::Command2, &Form1::Command2_Click },
        { Control::Command3, &Form1::Command3_Click },
        { Control::Command4, &Form1::Command4_Click },
        { Control::Command5, &Form1::Command5_Click },
        { Control::Command6, &Form1::Command6_Click },
        { Control::Command7, &Form1::Command7_Click },
        { Control::Command8, &Form1::Command8_Click },
        { Control::Command9, &Form1::Command9_Click },
        { Control::Command10, &Form1::Command10_Click },
        { Control::Command11, &Form1::Command11_Click },
        { Control::Command12, &Form1::Command12_Click },
        { Control::Command13, &Form1::Command13_Click },
        { Control::Command14, &Form1::Command14_Click },
        { Control::Command15, &Form1::Command15_Click },
        { Control::Command16, &Form1::Command16_Click },
        { Control::Command17, &Form1::Command17_Click },
        { Control::Command18, &Form1::Command18_Click },
        { Control::Command19, &Form1::Command19_Click },
        { Control::Command20, &Form1::Command20_Click },
        { Control::Command21, &Form1::Command21_Click },
        { Control::Command22, &Form1::Command22_Click },
        { Control::Command23, &Form1::Command23_Click },
        { Control::Command24, &Form1::Command24_Click },
        { Control::Command25, &Form1::Command25_Click },
        { Control::Command26, &Form1::Command26_Click },
        { Control::Command27, &Form1::Command27_Click },
        { Control::Command28, &Form1::Command28_Click },
        { Control::Command29, &Form1::Command29_Click },
        { Control::Command30, &Form1::Command30_Click },
    } };
    return bindings;
}

// The display is the entry register; the memory indicator sits in its right end.
std::u16string Form1::displayText() const { return platform_.text(Control::TEXT1); }
void Form1::setDisplayText(std::u16string_view text) { platform_.setText(Control::TEXT1, text); }
void Form1::appendToDisplay(std::u16string_view text)
{
    platform_.appendText(Control::TEXT1, text);
}
void Form1::removeDisplayEnd(std::size_t units) { platform_.removeTextEnd(Control::TEXT1, units); }
void Form1::focusDisplay() { platform_.setFocus(Control::TEXT1); }
void Form1::setMemoryIndicatorText(std::u16string_view text)
{
    platform_.setText(Control::Text2, text);
}
void Form1::setMemoryIndicatorVisible(bool visible)
{
    platform_.setVisible(Control::Text2, visible);
}
int Form1::askYesNo(std::u16string_view question)
{
    return platform_.messageBox(question, box::kYesNo);
}

void Form1::setCreditColor(std::uint32_t bgr) { platform_.setForeColor(Control::Label1, bgr); }
void Form1::setContactColor(std::uint32_t bgr) { platform_.setForeColor(Control::Label2, bgr); }
float Form1::pictureLeft() const { return platform_.left(Control::Image1); }
void Form1::setPictureLeft(float twips) { platform_.setLeft(Control::Image1, twips); }
std::u16string Form1::currentDateTimeText() const { return platform_.currentDateTimeText(); }
void Form1::setClockText(std::u16string_view text) { platform_.setText(Control::Text3, text); }
void Form1::setPhraseText(std::u16string_view text) { platform_.setText(Control::Text4, text); }

} // namespace ui
