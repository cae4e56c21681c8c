// The real Windows program under wine: its window at every dpi, its keys, boxes
// and ticks, and its file.

#include "banner/banner_tick.h"
#include "program_driver.h"
#include "ui/layout.h"
#include "ui/win32/clock_text.h"
#include "ui/win32/wide_text.h"

#include <objbase.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace driver;
using ui::Control;

bool hasIcon(HWND box) { return SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0) != 0; }

constexpr int kMessageText = 0xFFFF; // the message's static text in a message box

// The lines' ink as the screen shows it in a clock or phrase box: clear of the box's
// outermost pixels, which are its background, and in the middle from top to bottom,
// where the home's measure of the ink put it. A measure that is not what is drawn
// shows here: letters cut by the border, or lines off the middle.
void expectInkInTheMiddle(HWND box)
{
    const Pixels pixels = pixelsOf(box);
    const std::uint32_t background = pixels.at(0, 0);
    int top = pixels.size.cy;
    int bottom = 0;
    int onBorder = 0;
    for (int y = 0; y < pixels.size.cy; ++y) {
        for (int x = 0; x < pixels.size.cx; ++x) {
            if (pixels.at(x, y) == background)
                continue;
            onBorder += x == 0 || y == 0 || x == pixels.size.cx - 1 || y == pixels.size.cy - 1;
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    }
    EXPECT_EQ(onBorder, 0) << "letters cut by the border";
    ASSERT_LT(top, bottom) << "no ink";
    EXPECT_LE(std::abs(top - (pixels.size.cy - bottom)), 1)
        << "ink from " << top << " to " << bottom << " of " << pixels.size.cy;
}

// The time as the clock writes it in a form, a few seconds ago.
std::u16string clockTextAgo(ui::ClockForm form, int secondsAgo)
{
    FILETIME file {};
    GetSystemTimeAsFileTime(&file);
    ULARGE_INTEGER ticks { { file.dwLowDateTime, file.dwHighDateTime } };
    ticks.QuadPart -= secondsAgo * 10'000'000ULL;
    file = { ticks.LowPart, ticks.HighPart };
    SYSTEMTIME utc {}, local {};
    FileTimeToSystemTime(&file, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    return ui::win32::clockText(
        form, { local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond });
}

// The clock: the user's short date whole on its first line and the time, in one of
// the clock's three forms, whole on its second. The phrase: whole on at most two
// lines. Both with the ink of their lines inside the box and in its middle.
void expectWholeBoxes(const Calculator& calc)
{
    HWND clock = calc.control(Control::Text3);
    HWND phrase = calc.control(Control::Text4);
    ASSERT_TRUE(waitFor([&] { return !textOf(clock).empty(); }, 3s));
    std::this_thread::sleep_for(300ms); // drawn
    const std::wstring text = textOf(clock);
    wchar_t date[80] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80, nullptr);
    EXPECT_EQ(text.substr(0, text.find(L'\n')), date);
    bool known = false;
    for (const ui::ClockForm form : ui::kClockForms)
        for (int ago = 0; ago < 4; ++ago)
            known = known || ui::win32::toWide(clockTextAgo(form, ago)) == text;
    EXPECT_TRUE(known) << "an unknown time form";
    EXPECT_EQ(SendMessageW(clock, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(clock, EM_LINEINDEX, 1, 0), static_cast<LRESULT>(wcslen(date) + 1));

    const std::wstring words = textOf(phrase);
    const LRESULT lines = SendMessageW(phrase, EM_GETLINECOUNT, 0, 0);
    EXPECT_TRUE(lines == 1 || lines == 2) << lines << " lines";
    const LRESULT last = SendMessageW(phrase, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    EXPECT_EQ(last + SendMessageW(phrase, EM_LINELENGTH, static_cast<WPARAM>(last), 0),
        static_cast<LRESULT>(words.find_last_not_of(L' ') + 1)); // nothing hidden below
    expectInkInTheMiddle(clock);
    expectInkInTheMiddle(phrase);
}

// Every result shows whole between the display's left edge and the memory box; a
// long typed entry scrolls with the caret in sight.
void expectWholeDisplay(const Calculator& calc)
{
    HWND display = calc.control(Control::TEXT1);
    const auto x = [&](std::size_t i) {
        return static_cast<short>(LOWORD(SendMessageW(display, EM_POSFROMCHAR, i, 0)));
    };
    RECT memoryBox {};
    GetWindowRect(calc.control(Control::Text2), &memoryBox);
    MapWindowPoints(nullptr, display, reinterpret_cast<POINT*>(&memoryBox), 2);
    for (const std::wstring result :
        { L"-7.90123377769876E+17", L"-0.00142857142857143%", L"-1.23456789012345E-300%" }) {
        calc.type(L""); // then typed a letter at a time, the display widening as it goes
        calc.typeKeys(result);
        const int end = x(result.size() - 1);
        EXPECT_GE(x(0), 0) << "the start of a result is out of sight";
        EXPECT_LE(end + (end - x(0)) / static_cast<int>(result.size() - 1), memoryBox.left)
            << "a result runs under the memory box";
    }
    calc.type(L"");
    calc.typeKeys(std::wstring(60, L'7'));
    const int caret = x(59) + x(59) - x(58);
    EXPECT_TRUE(caret > 0 && caret <= memoryBox.left) << "the caret is out of sight";
}

// The window, its text whole, at the screen's dpi; under wine at 144, 168, 192 and 96
// dpi in turn.
TEST(Program, WholeAtEveryDpi)
{
    UserSettings desktop(L"Control Panel\\Desktop");
    HDC screen = GetDC(nullptr);
    const DWORD screenDpi = static_cast<DWORD>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    for (const DWORD dpi :
        underWine() ? std::vector<DWORD> { 144, 168, 192, 96 } : std::vector { screenDpi }) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        if (underWine())
            desktop.set(L"LogPixels", dpi);
        Calculator calculator;
        ASSERT_TRUE(calculator.window()) << "no window";
        RECT client {};
        GetClientRect(calculator.window(), &client);
        const ui::WindowRow& row = ui::windowRow();
        EXPECT_EQ(client.right, ui::twipsToPixels(row.clientWidth, static_cast<int>(dpi)));
        const int height = ui::twipsToPixels(row.clientHeight, static_cast<int>(dpi));
        if (height < GetSystemMetrics(SM_CYMAXTRACK) - GetSystemMetrics(SM_CYCAPTION) * 2) {
            EXPECT_EQ(client.bottom, height); // else the system keeps the window on the screen
        }

        // The "OFF" key at its place in the keypad; then it ends the program.
        HWND off = calculator.key(L"OFF");
        RECT key {};
        GetWindowRect(off, &key);
        MapWindowPoints(nullptr, calculator.window(), reinterpret_cast<POINT*>(&key), 2);
        const int d = static_cast<int>(dpi);
        EXPECT_EQ(key.left, ui::twipsToPixels(1560, d));
        EXPECT_EQ(key.top, ui::twipsToPixels(3000, d));
        EXPECT_EQ(key.right, ui::twipsToPixels(1560 + 855, d));
        EXPECT_EQ(key.bottom, ui::twipsToPixels(3000 + 735, d));
        expectWholeBoxes(calculator);
        expectWholeDisplay(calculator);
        PostMessageW(off, BM_CLICK, 0, 0);
        EXPECT_EQ(calculator.exitCode(), 0U);
    }
}

TEST(Program, KeysBoxesAndTicks)
{
    Calculator calc;
    ASSERT_TRUE(calc.window());
    EXPECT_EQ(textOf(calc.window()), L"CalculatorOrvi2009");
    EXPECT_EQ(calc.focus(), calc.control(Control::TEXT1));
    EXPECT_TRUE(IsWindowVisible(calc.control(Control::Text2)));

    // The memory box stands in front of the display.
    HWND below = calc.control(Control::Text2);
    while (below && below != calc.control(Control::TEXT1))
        below = GetWindow(below, GW_HWNDNEXT);
    EXPECT_TRUE(below);

    // Colours as drawn on the screen: the window, the display.
    const Pixels pixels = pixelsOf(calc.window());
    const auto pixel = [&](int xTwips, int yTwips) {
        return pixels.at(ui::twipsToPixels(xTwips, 96), ui::twipsToPixels(yTwips, 96));
    };
    EXPECT_EQ(pixel(100, 8300), 0x8080FFU);
    EXPECT_EQ(pixel(4800, 2700), 0xC0C0FFU);

    // Tab follows the keys' numbers, not the keypad's rows: "9" is Command11.
    const auto tabTo = [&](HWND expected) {
        PostMessageW(calc.focus(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_TRUE(waitFor([&] { return calc.focus() == expected; }, 2s));
    };
    tabTo(calc.key(L"1"));
    calc.click({ L"9" });
    tabTo(calc.key(L"="));
    calc.click({ L"AC" });
    tabTo(calc.key(L"OFF"));
    tabTo(calc.control(Control::Text2));
    tabTo(calc.key(L"M+"));

    calc.click({ L"1", L"2", L"+", L"3", L"=" });
    EXPECT_EQ(calc.display(), L"15");
    calc.click({ L"7", L"-", L"2", L"=", L"." });
    EXPECT_EQ(calc.display(), L".");
    calc.click({ L"AC" });
    calc.typeKeys(L"16 ");
    calc.click({ L"Sqr", L"%" });
    EXPECT_EQ(calc.display(), L"0.04%");

    // An error is reported, and the calculator goes on with what it had.
    calc.click({ L"AC", L"5", L"/", L"0" });
    HWND box = calc.open(L"=");
    ASSERT_TRUE(box);
    EXPECT_EQ(textOf(box), L"CalculatorOrvi2009");
    EXPECT_EQ(textOf(GetDlgItem(box, kMessageText)), L"Division by zero");
    EXPECT_TRUE(hasIcon(box));
    EXPECT_FALSE(GetDlgItem(box, IDNO));
    calc.answer(box, IDOK);
    EXPECT_EQ(calc.focus(), calc.key(L"=")); // back where it was before the box
    EXPECT_EQ(calc.display(), L"0");
    calc.click({ L"C", L"2", L"=" });
    EXPECT_EQ(calc.display(), L"2.5");

    // The memory, its indicator and its question.
    calc.click({ L"5", L"M+" });
    EXPECT_EQ(textOf(calc.control(Control::Text2)), L"M");
    EXPECT_EQ(calc.focus(), calc.control(Control::TEXT1));
    calc.click({ L"7" });
    box = calc.open(L"MC");
    ASSERT_TRUE(box);
    EXPECT_EQ(textOf(GetDlgItem(box, kMessageText)), L"are you sure to clearing memory!!");
    EXPECT_FALSE(hasIcon(box));
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, IDYES), GWL_STYLE) & BS_DEFPUSHBUTTON);
    calc.answer(box, IDNO);
    EXPECT_FALSE(IsWindowVisible(calc.control(Control::Text2)));
    EXPECT_EQ(calc.display(), L"7");
    calc.click({ L"MR" });
    EXPECT_EQ(calc.display(), L"5");
    calc.answer(calc.open(L"MC"), IDYES);
    EXPECT_EQ(calc.display(), L"");
    EXPECT_EQ(calc.focus(), calc.control(Control::TEXT1));

    // The about box; the clock goes on under it.
    EXPECT_TRUE(waitFor([&] { return !textOf(calc.control(Control::Text3)).empty(); }, 2s));
    const std::u16string phrase(banner::kPhrase);
    EXPECT_EQ(textOf(calc.control(Control::Text4)), std::wstring(phrase.begin(), phrase.end()));
    box = calc.open(L"RUN");
    ASSERT_TRUE(box);
    EXPECT_EQ(textOf(GetDlgItem(box, kMessageText)),
        L"This calculator was designed and programmed by Eng Kelvo Orvi ");
    EXPECT_TRUE(hasIcon(box));
    const std::wstring clock = textOf(calc.control(Control::Text3));
    EXPECT_TRUE(waitFor([&] { return textOf(calc.control(Control::Text3)) != clock; }, 3s));
    calc.answer(box, IDOK);

    // The close box ends it like "OFF".
    PostMessageW(calc.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

// The banner as the ticks leave it, each drawing only what changed, is what a
// whole redraw shows: nothing stale where a line of the clock, a label or the
// picture was. Compared just after a tick that changed the clock, well before the
// next.
TEST(Program, TicksLeaveWhatAWholeRedrawShows)
{
    Calculator calc;
    ASSERT_TRUE(calc.window());
    HWND clock = calc.control(Control::Text3);
    RECT display {};
    GetWindowRect(calc.control(Control::TEXT1), &display);
    MapWindowPoints(nullptr, calc.window(), reinterpret_cast<POINT*>(&display), 2);
    const auto banner = [&] { // the rows above the display, whose caret blinks
        Pixels pixels = pixelsOf(calc.window());
        pixels.values.resize(static_cast<std::size_t>(pixels.size.cx * display.top));
        return pixels.values;
    };
    int compared = 0;
    for (int tries = 0; tries < 20 && compared < 6; ++tries) {
        const std::wstring shown = textOf(clock);
        ASSERT_TRUE(waitFor([&] { return textOf(clock) != shown; }, 3s));
        const auto ticked = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(100ms);
        const std::vector<std::uint32_t> drawn = banner();
        RedrawWindow(
            calc.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SendMessageTimeoutW(calc.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
        std::this_thread::sleep_for(50ms);
        const std::vector<std::uint32_t> redrawn = banner();
        if (std::chrono::steady_clock::now() - ticked > 400ms)
            continue; // the next tick may have come in between
        EXPECT_TRUE(drawn == redrawn) << "stale pixels after the clock's change " << compared;
        ++compared;
    }
    EXPECT_EQ(compared, 6);
}

std::wstring versionString(const std::vector<char>& record, const wchar_t* name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(record.data(), path.c_str(), &value, &length) || length == 0)
        return {};
    return static_cast<const wchar_t*>(value);
}

TEST(Program, FileCarriesItsIconAndVersionRecord)
{
    // The eagle: one 32 x 32 picture with 256 colours.
    HMODULE file = LoadLibraryExW(gProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(file);
    HRSRC group = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_TRUE(group);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(file, group)));
    EXPECT_EQ(directory[4], 1); // one picture
    EXPECT_EQ(directory[6], 32);
    EXPECT_EQ(directory[7], 32);
    EXPECT_EQ(directory[6 + 6], 8); // bits per pixel
    FreeLibrary(file);

    std::vector<char> record(GetFileVersionInfoSizeW(gProgram.c_str(), nullptr));
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(gProgram.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwProductVersionLS, 0U);
    EXPECT_EQ(versionString(record, L"FileVersion"), L"1.00");
    EXPECT_EQ(versionString(record, L"ProductVersion"), L"1.00");
    EXPECT_EQ(versionString(record, L"ProductName"), L"Project1");
    EXPECT_EQ(versionString(record, L"InternalName"), L"CalculatorOrvi2009");
    EXPECT_EQ(versionString(record, L"OriginalFilename"), L"CalculatorOrvi2009.exe");
}

} // namespace

namespace {

// A Windows path, or a path of the machine wine runs on: drive Z: is its root.
std::wstring windowsPath(std::string path)
{
    if (path.starts_with('/'))
        path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return { path.begin(), path.end() };
}

} // namespace

// win32_tests PROGRAM [REPORT]: the program file, and where the Report tests write
// what the window shows.
int main(int argc, char** argv)
{
    SetProcessDPIAware(); // measures in the screen's own pixels, as the program draws
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // a screen reader's objects come by COM
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: win32_tests [gtest options] PROGRAM.exe [REPORT.json]\n");
        return 2;
    }
    driver::gProgram = windowsPath(argv[1]);
    if (argc == 3)
        driver::gReport = windowsPath(argv[2]);
    return RUN_ALL_TESTS();
}
