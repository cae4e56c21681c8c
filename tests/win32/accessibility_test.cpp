// The program as a screen reader meets it (MSAA through oleacc, and the events a
// reader hears): every control named, described and placed from the layout table,
// the painted ones too; what each shows as its value; each result heard without the
// focus moving; the message boxes read whole.

#include "calc/memory_keys.h"
#include "calc/runtime_error.h"
#include "program_driver.h"
#include "screen_reader.h"
#include "ui/app_info.h"
#include "ui/layout.h"
#include "ui/message_box.h"
#include "ui/win32/accessible_objects.h"
#include "ui/win32/wide_text.h"

#include <algorithm>

namespace {

using namespace driver;
using reader::Element;
using reader::Heard;
using ui::Control;
using ui::ControlKind;
using ui::win32::toWide;

std::wstring wide(std::string_view text) { return { text.begin(), text.end() }; }

// What Windows' readers know each kind as.
long roleOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Key:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::TextBox:
        return ROLE_SYSTEM_TEXT;
    case ControlKind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::Picture:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Timer:
        break;
    }
    return 0;
}

// Every control a user meets, in the table's order: all but the timer.
std::vector<const ui::LayoutRow*> shownRows()
{
    std::vector<const ui::LayoutRow*> rows;
    for (const ui::LayoutRow& row : ui::layoutRows())
        if (row.kind != ControlKind::Timer)
            rows.push_back(&row);
    return rows;
}

// A key is named by its caption, everything else by the name the table gives it.
std::wstring nameOf(const ui::LayoutRow& row)
{
    return row.kind == ControlKind::Key ? toWide(row.caption) : wide(row.accessibleName);
}

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A box's lines as a reader says them: one after the other.
std::wstring spoken(std::wstring text)
{
    std::replace(text.begin(), text.end(), L'\n', L' ');
    return text;
}

TEST(ScreenReader, EveryControlNamedDescribedAndPlacedFromTheTable)
{
    Calculator calc;
    ASSERT_TRUE(calc.window());
    const Element window = Element::ofWindow(calc.window());
    const std::vector<Element> children = window.children();
    const auto rows = shownRows();
    ASSERT_EQ(children.size(), rows.size()) << "the window's children are not its controls";
    const int dpi = screenDpi();
    POINT origin {};
    ClientToScreen(calc.window(), &origin);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ui::LayoutRow& row = *rows[i];
        const Element& child = children[i];
        SCOPED_TRACE(std::string(row.name));
        EXPECT_FALSE(nameOf(row).empty()) << "no name in the table";
        EXPECT_EQ(child.name(), nameOf(row));
        EXPECT_EQ(child.role(), roleOf(row.kind));
        EXPECT_EQ(child.description(), wide(row.description));
        EXPECT_FALSE(row.description.empty()) << "nothing says what it is";

        const RECT place = child.place();
        const RECT table { origin.x + ui::twipsToPixels(row.left, dpi),
            origin.y + ui::twipsToPixels(row.top, dpi),
            origin.x + ui::twipsToPixels(row.left + row.width, dpi),
            origin.y + ui::twipsToPixels(row.top + row.height, dpi) };
        if (row.id == Control::Image1) { // it slides along the banner, at its height and size
            EXPECT_EQ(place.top, table.top);
            EXPECT_NEAR(place.right - place.left, table.right - table.left, 1);
            EXPECT_NEAR(place.bottom - place.top, table.bottom - table.top, 1);
        } else {
            EXPECT_TRUE(EqualRect(&place, &table))
                << place.left << "," << place.top << " " << place.right << "," << place.bottom;
        }

        if (HWND control = calc.control(row.id)) {
            // As a reader meets it when it takes the focus: from its own window.
            const Element own = Element::ofWindow(control);
            EXPECT_EQ(own.name(), nameOf(row));
            EXPECT_EQ(own.role(), roleOf(row.kind));
            EXPECT_EQ(own.description(), wide(row.description));
        } else {
            // A painted one is found where it is drawn, as by a reader exploring by touch;
            // asked again if the portrait slid on between the two questions.
            std::wstring found;
            waitFor(
                [&] {
                    const RECT at = child.place();
                    found
                        = window.at({ (at.left + at.right) / 2, (at.top + at.bottom) / 2 }).name();
                    return found == nameOf(row);
                },
                2s);
            EXPECT_EQ(found, nameOf(row));
        }
    }
    PostMessageW(calc.key(L"OFF"), BM_CLICK, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

TEST(ScreenReader, ValuesAreWhatTheControlsShow)
{
    Calculator calc;
    ASSERT_TRUE(calc.window());
    EXPECT_TRUE(waitFor([&] { return !textOf(calc.control(Control::Text3)).empty(); }, 3s));
    // What a user sees in each control; the labels show their caption.
    const auto shown = [&](const ui::LayoutRow& row) -> std::wstring {
        if (row.kind == ControlKind::Label)
            return toWide(row.caption);
        return row.kind == ControlKind::TextBox ? spoken(textOf(calc.control(row.id))) : L"";
    };
    const auto valuesAsShown = [&] {
        const std::vector<Element> children = Element::ofWindow(calc.window()).children();
        const auto rows = shownRows();
        for (std::size_t i = 0; i < rows.size() && i < children.size(); ++i) {
            SCOPED_TRACE(std::string(rows[i]->name));
            // The clock may tick between the two readings; it is read again then.
            std::wstring value, expected;
            waitFor(
                [&] {
                    value = children[i].value();
                    expected = shown(*rows[i]);
                    return value == expected;
                },
                2s);
            EXPECT_EQ(value, expected);
        }
    };
    calc.type(L"12.5");
    valuesAsShown();
    EXPECT_EQ(Element::ofWindow(calc.control(Control::Text2)).value(), L"");
    calc.click({ L"M+" });
    valuesAsShown();
    EXPECT_EQ(Element::ofWindow(calc.control(Control::Text2)).value(), L"M");
    PostMessageW(calc.key(L"OFF"), BM_CLICK, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

// Whether this system has UI Automation's notification and a reader listening for it:
// the program raises it then, in place of the live region's event.
bool uiaNotificationHeard()
{
    HMODULE core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!core)
        return false;
    const auto listening = reinterpret_cast<BOOL(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaClientsAreListening")));
    const bool heard
        = GetProcAddress(core, "UiaRaiseNotificationEvent") && listening && listening();
    FreeLibrary(core);
    return heard;
}

TEST(ScreenReader, EachResultHeardWithoutTheFocusMoving)
{
    Calculator calc;
    ASSERT_TRUE(calc.window());
    DWORD process = 0;
    GetWindowThreadProcessId(calc.window(), &process);
    reader::Listener listener(process);
    HWND display = calc.control(Control::TEXT1);
    const bool uia = uiaNotificationHeard();
    if (uia)
        std::printf("UI Automation's notification is listened for here, which no test of this "
                    "program hears: the live region's name is checked, not its event\n");
    const DWORD announced = uia ? EVENT_OBJECT_NAMECHANGE : ui::win32::kEventLiveRegionChanged;

    for (const wchar_t* key : { L"AC", L"1", L"2", L"+", L"3", L"=", L"Sqr", L"." }) {
        SCOPED_TRACE(std::string(key, key + wcslen(key)));
        listener.take();
        calc.click({ key });
        const std::wstring shown = calc.display();
        const bool blank = shown.find_first_not_of(L' ') == std::wstring::npos;
        // A reader looking at the display hears its new value.
        EXPECT_TRUE(listener.waitFor([&](const Heard& e) {
            return e.event == EVENT_OBJECT_VALUECHANGE && e.window == display;
        }));
        EXPECT_EQ(Element::ofWindow(display).value(), shown);
        // A reader anywhere hears the words: the display's text, or "Blank".
        Heard said {};
        EXPECT_TRUE(listener.waitFor([&](const Heard& e) {
            said = e;
            return e.event == announced && e.window == calc.window();
        })) << "nothing announced";
        EXPECT_EQ(Element::ofEvent(said.window, said.object, said.child).name(),
            blank ? L"Blank" : shown);
        // And the focus stays on the key.
        EXPECT_EQ(calc.focus(), calc.key(key));
        for (const Heard& e : listener.take())
            EXPECT_FALSE(e.event == EVENT_OBJECT_FOCUS && e.window != calc.key(key))
                << "the focus moved";
    }

    // Typing is echoed by the reader as any typing, and not announced again; a key that
    // hands the focus to the display has it read as the focus arrives.
    const auto announcements = [&] {
        int count = 0;
        for (const Heard& e : listener.take())
            count += e.window == calc.window() && e.object == OBJID_CLIENT
                && (e.event == EVENT_OBJECT_NAMECHANGE || e.event == announced);
        return count;
    };
    calc.typeKeys(L"42");
    listener.waitFor([](const Heard&) { return false; }, 300ms);
    EXPECT_EQ(announcements(), 0) << "typing announced";
    calc.click({ L"M+" });
    EXPECT_TRUE(listener.waitFor(
        [&](const Heard& e) { return e.event == EVENT_OBJECT_FOCUS && e.window == display; }));
    EXPECT_EQ(announcements(), 0) << "announced as the focus arrived";
    PostMessageW(calc.key(L"OFF"), BM_CLICK, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

// A message box's title, text and buttons, as the system shows them to readers.
TEST(ScreenReader, MessageBoxesReadWhole)
{
    Calculator calc;
    ASSERT_TRUE(calc.window());
    calc.click({ L"AC", L"5", L"/", L"0" });
    bool toldOfButtons = false;
    struct Box {
        const wchar_t* key;
        std::u16string_view text;
        ui::MessageButtons buttons;
    };
    for (const Box& expected :
        { Box { L"=", calc::errorMessage(calc::ErrorKind::DivisionByZero), ui::MessageButtons::Ok },
            Box { L"RUN", ui::kAboutMessage, ui::MessageButtons::Ok },
            Box { L"MC", calc::kMemoryClearQuestion, ui::MessageButtons::YesNo } }) {
        SCOPED_TRACE(std::string(expected.key, expected.key + wcslen(expected.key)));
        HWND box = calc.open(expected.key);
        ASSERT_TRUE(box);
        EXPECT_EQ(Element::ofWindow(box).name(), toWide(ui::kApplicationTitle));
        EXPECT_EQ(Element::ofWindow(GetDlgItem(box, 0xFFFF)).name(), toWide(expected.text));
        int last = 0;
        for (const ui::MessageButton& button : ui::buttonsOf(expected.buttons)) {
            last = button.answer == ui::Answer::Ok ? IDOK
                : button.answer == ui::Answer::Yes ? IDYES
                                                   : IDNO;
            const Element read = Element::ofWindow(GetDlgItem(box, last));
            EXPECT_EQ(read.name(), toWide(button.caption));
            if (underWine() && read.role() == ROLE_SYSTEM_CLIENT && !toldOfButtons) {
                std::printf("wine's oleacc has no object of its own for the system's buttons: "
                            "the boxes' buttons read as client areas here, checked by name\n");
                toldOfButtons = true;
            } else if (!underWine()) {
                EXPECT_EQ(read.role(), ROLE_SYSTEM_PUSHBUTTON);
            }
        }
        calc.answer(box, last);
    }
    PostMessageW(calc.key(L"OFF"), BM_CLICK, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

} // namespace
