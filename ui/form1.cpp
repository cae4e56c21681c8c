#include "form1.h"

#include "app_info.h"
#include "calc/arithmetic_keys.h"
#include "calc/entry_keys.h"
#include "calc/function_keys.h"
#include "calc/memory_keys.h"
#include "calc/runtime_error.h"
#include "layout.h"

#include <array>

namespace ui {

namespace {

using Handler = void (Form1::*)();

// Each key's click and the handler named after it.
constexpr std::array<Handler, kControlCount> clickHandlers()
{
    std::array<Handler, kControlCount> handlers {};
    const auto bind
        = [&](Control key, Handler handler) { handlers[static_cast<std::size_t>(key)] = handler; };
    bind(Control::Command1, &Form1::Command1_Click);
    bind(Control::Command2, &Form1::Command2_Click);
    bind(Control::Command3, &Form1::Command3_Click);
    bind(Control::Command4, &Form1::Command4_Click);
    bind(Control::Command5, &Form1::Command5_Click);
    bind(Control::Command6, &Form1::Command6_Click);
    bind(Control::Command7, &Form1::Command7_Click);
    bind(Control::Command8, &Form1::Command8_Click);
    bind(Control::Command9, &Form1::Command9_Click);
    bind(Control::Command10, &Form1::Command10_Click);
    bind(Control::Command11, &Form1::Command11_Click);
    bind(Control::Command12, &Form1::Command12_Click);
    bind(Control::Command13, &Form1::Command13_Click);
    bind(Control::Command14, &Form1::Command14_Click);
    bind(Control::Command15, &Form1::Command15_Click);
    bind(Control::Command16, &Form1::Command16_Click);
    bind(Control::Command17, &Form1::Command17_Click);
    bind(Control::Command18, &Form1::Command18_Click);
    bind(Control::Command19, &Form1::Command19_Click);
    bind(Control::Command20, &Form1::Command20_Click);
    bind(Control::Command21, &Form1::Command21_Click);
    bind(Control::Command22, &Form1::Command22_Click);
    bind(Control::Command23, &Form1::Command23_Click);
    bind(Control::Command24, &Form1::Command24_Click);
    bind(Control::Command25, &Form1::Command25_Click);
    bind(Control::Command26, &Form1::Command26_Click);
    bind(Control::Command27, &Form1::Command27_Click);
    bind(Control::Command28, &Form1::Command28_Click);
    bind(Control::Command29, &Form1::Command29_Click);
    bind(Control::Command30, &Form1::Command30_Click);
    return handlers;
}

constexpr auto kClickHandlers = clickHandlers();

// What a reader is told of the display after a key: its text, "Blank" where it shows
// nothing ("AC" leaves a blank; silence would not tell the user anything), and no more
// than a result's worth of a long entry typed by hand.
std::u16string displayAnnouncement(std::u16string text)
{
    constexpr std::size_t kMostSaid = 64;
    if (text.find_first_not_of(u' ') == std::u16string::npos)
        return u"Blank";
    if (text.size() > kMostSaid) {
        text.resize(kMostSaid - (text[kMostSaid - 1] >= 0xD800 && text[kMostSaid - 1] <= 0xDBFF));
        text += u"\u2026";
    }
    return text;
}

} // namespace

Form1::Form1(Platform& platform)
    : platform_(platform)
    , pictureLeft_(static_cast<float>(layoutRow(Control::Image1).left))
{
}

void Form1::click(Control key)
{
    const Handler handler = kClickHandlers[static_cast<std::size_t>(key)];
    if (!handler)
        return;
    displayWritten_ = displayFocused_ = false;
    (this->*handler)();
    // A key that hands the focus to the display has it read out already.
    if (displayWritten_ && !displayFocused_)
        platform_.announce(displayAnnouncement(platform_.text(Control::TEXT1)));
}

void Form1::displayChanged()
{
    platform_.setDisplayScale(
        fitDisplay(platform_.text(Control::TEXT1), platform_.displayMeasurer()));
}

void Form1::measuresChanged()
{
    clockBox_.forgetMeasures();
    phraseBox_.forgetMeasures();
    if (clock_)
        chooseClockForm();
    clockBox_.layOutAgain(platform_);
    phraseBox_.layOutAgain(platform_);
    displayChanged();
}

// Chosen with the clock box's own face and room, for every time of day.
void Form1::chooseClockForm()
{
    clock_ = ui::chooseClockForm(
        platform_, platform_.boxRoom(Control::Text3), clockBox_.measurer(platform_));
    clockBox_.startAt(clock_->typeSize);
}

template <typename Work> void Form1::runKey(Work&& work)
{
    try {
        work();
    } catch (const calc::RuntimeError& error) {
        platform_.messageBox(calc::errorMessage(error.kind()), kErrorBox);
    }
}

void Form1::Form_Load() { bannerStep_ = 1; }

void Form1::Timer1_Timer()
{
    if (!clock_)
        chooseClockForm();
    banner::bannerTick(bannerStep_, *this);
}

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
void Form1::Command30_Click() { platform_.messageBox(kAboutMessage, kAboutBox); }

// The display is the entry register; the memory indicator sits in its right end.
std::u16string Form1::displayText() const { return platform_.text(Control::TEXT1); }
void Form1::setDisplayText(std::u16string_view text)
{
    displayWritten_ = true;
    platform_.setText(Control::TEXT1, text);
}
void Form1::appendToDisplay(std::u16string_view text)
{
    displayWritten_ = true;
    platform_.appendText(Control::TEXT1, text);
}
void Form1::removeDisplayEnd(std::size_t units)
{
    displayWritten_ = true;
    platform_.removeTextEnd(Control::TEXT1, units);
}
void Form1::focusDisplay()
{
    displayFocused_ = true;
    platform_.setFocus(Control::TEXT1);
}
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
    return platform_.messageBox(question, kQuestionBox) == Answer::Yes ? kAnswerYes : kAnswerNo;
}

void Form1::setCreditColor(std::uint32_t bgr) { platform_.setForeColor(Control::Label1, bgr); }
void Form1::setContactColor(std::uint32_t bgr) { platform_.setForeColor(Control::Label2, bgr); }
float Form1::pictureLeft() const { return pictureLeft_; }
void Form1::setPictureLeft(float twips)
{
    pictureLeft_ = twips;
    platform_.setLeft(Control::Image1, twips);
}
std::u16string Form1::currentDateTimeText() const
{
    return platform_.clockText(clock_ ? clock_->form : ClockForm::LongTime, platform_.now());
}
void Form1::setClockText(std::u16string_view text) { clockBox_.show(text, platform_); }
void Form1::setPhraseText(std::u16string_view text) { phraseBox_.show(text, platform_); }

} // namespace ui
