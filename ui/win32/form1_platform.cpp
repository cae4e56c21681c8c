#include "form1_platform.h"

#include "clock_text.h"
#include "message_boxes.h"
#include "wide_text.h"

namespace ui::win32 {

std::u16string Form1Platform::text(Control control) const
{
    HWND child = parts_.controls.window(control);
    if (!child)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child)), L'\0');
    GetWindowTextW(child, text.data(), static_cast<int>(text.size()) + 1);
    return fromWide(text);
}

// Writes skip unchanged values: only what really changed should be repainted.
void Form1Platform::setText(Control control, std::u16string_view value)
{
    HWND child = parts_.controls.window(control);
    if (!child || text(control) == value)
        return;
    const std::wstring text = toWide(value);
    SetWindowTextW(child, text.c_str());
    if (control == Control::TEXT1) // the caret after the last character, as after typing
        SendMessageW(child, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
}

// The edit box replaces only the selection at its end, and leaves the caret there.
void Form1Platform::appendText(Control control, std::u16string_view text)
{
    HWND child = parts_.controls.window(control);
    const LRESULT length = GetWindowTextLengthW(child);
    SendMessageW(child, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(child, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

void Form1Platform::removeTextEnd(Control control, std::size_t units)
{
    HWND child = parts_.controls.window(control);
    const LRESULT length = GetWindowTextLengthW(child);
    SendMessageW(
        child, EM_SETSEL, static_cast<WPARAM>(length - static_cast<LRESULT>(units)), length);
    SendMessageW(child, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

void Form1Platform::setFocus(Control control)
{
    parts_.lastFocus = parts_.controls.window(control);
    SetFocus(parts_.lastFocus);
}

void Form1Platform::setVisible(Control control, bool visible)
{
    ShowWindow(parts_.controls.window(control), visible ? SW_SHOWNA : SW_HIDE);
}

void Form1Platform::setForeColor(Control control, std::uint32_t color)
{
    if (!parts_.colors.setText(control, color))
        return;
    if (HWND child = parts_.controls.window(control))
        InvalidateRect(child, nullptr, FALSE);
    else
        parts_.banner.labelColorChanged(control);
}

void Form1Platform::setLeft(Control control, float twips)
{
    if (control == Control::Image1) // nothing else moves
        parts_.banner.movePicture(twips);
}

Answer Form1Platform::messageBox(std::u16string_view text, MessageBoxStyle style)
{
    return showMessageBox(parts_.window, text, style);
}

void Form1Platform::quit() { DestroyWindow(parts_.window); }

LocalTime Form1Platform::now() const { return localNow(); }

std::u16string Form1Platform::clockText(ClockForm form, const LocalTime& when) const
{
    return win32::clockText(form, when);
}

LinesBox& Form1Platform::linesBox(Control box) const
{
    return box == Control::Text3 ? parts_.clock : parts_.phrase;
}

BoxRoom Form1Platform::boxRoom(Control box) const { return linesBox(box).room(); }

const LineMeasurer& Form1Platform::lineMeasurer(Control box) const
{
    return linesBox(box).measurer();
}

void Form1Platform::showLines(Control box, std::u16string_view text, const BoxLayout& layout)
{
    linesBox(box).show(text, layout);
}

void Form1Platform::announce(std::u16string_view text) { parts_.accessible.announce(toWide(text)); }

} // namespace ui::win32
