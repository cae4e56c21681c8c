#include "form1_window.h"

#include "display_box.h"
#include "ui/app_info.h"
#include "wide_text.h"

// The operations Form1's handlers reach the controls through.

namespace ui::win32 {

std::u16string Form1Window::text(Control id) const
{
    HWND child = control(id);
    if (!child)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child)), L'\0');
    GetWindowTextW(child, text.data(), static_cast<int>(text.size()) + 1);
    return fromWide(text);
}

// Writes skip unchanged values: the clock and the phrase are rewritten on every
// tick, and only what really changed should be repainted.
void Form1Window::setText(Control id, std::u16string_view value)
{
    HWND child = control(id);
    if (!child || text(id) == value)
        return;
    const std::wstring text = toWide(value);
    SetWindowTextW(child, text.c_str());
    if (id == Control::TEXT1) // the caret after the last character, as after typing
        SendMessageW(child, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
}

// The edit box replaces only the selection at its end, and leaves the caret there.
void Form1Window::appendText(Control id, std::u16string_view text)
{
    HWND child = control(id);
    const LRESULT length = GetWindowTextLengthW(child);
    SendMessageW(child, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(child, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

void Form1Window::removeTextEnd(Control id, std::size_t units)
{
    HWND child = control(id);
    const LRESULT length = GetWindowTextLengthW(child);
    SendMessageW(
        child, EM_SETSEL, static_cast<WPARAM>(length - static_cast<LRESULT>(units)), length);
    SendMessageW(child, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

void Form1Window::setFocus(Control id)
{
    lastFocus_ = control(id);
    SetFocus(lastFocus_);
}

void Form1Window::setVisible(Control id, bool visible)
{
    ShowWindow(control(id), visible ? SW_SHOWNA : SW_HIDE);
}

void Form1Window::setForeColor(Control id, std::uint32_t bgr)
{
    if (foreColors_[index(id)] == bgr)
        return;
    foreColors_[index(id)] = bgr;
    InvalidateRect(window_, &labelInk_[index(id)], FALSE);
}

float Form1Window::left(Control id) const
{
    return id == Control::Image1 ? pictureLeftTwips_ : static_cast<float>(layoutRow(id).left);
}

void Form1Window::setLeft(Control id, float twips)
{
    if (id != Control::Image1)
        return; // nothing else moves
    const RECT before = pictureRect();
    pictureLeftTwips_ = twips;
    const RECT after = pictureRect();
    if (before.left == after.left)
        return;
    InvalidateRect(window_, &before, FALSE);
    InvalidateRect(window_, &after, FALSE);
}

int Form1Window::messageBox(std::u16string_view text, int style)
{
    return MessageBoxW(
        window_, toWide(text).c_str(), toWide(kApplicationTitle).c_str(), static_cast<UINT>(style));
}

void Form1Window::quit()
{
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
}

// The clock's form and type size are worked out on the first tick, with the box's
// own font and width, and kept.
std::u16string Form1Window::currentDateTimeText() const
{
    HWND clock = control(Control::Text3);
    if (!clockForm_) {
        clockForm_
            = clockForm(displayBoxTypeSize(clock), [clock](std::u16string_view text, int size) {
                  return displayBoxShowsWhole(clock, toWide(text), size);
              });
        SendMessageW(clock, kSetTypeSize, static_cast<WPARAM>(clockForm_->typeSize), 0);
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    return generalDateText(now, clockForm_->timeFlags);
}

} // namespace ui::win32
