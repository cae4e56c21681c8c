// The real Windows program, started and driven from outside as a user's tools
// would: keys clicked with BM_CLICK, the display read and typed with WM_GETTEXT
// and WM_SETTEXT, message boxes found and answered, the window measured.

#include "banner/banner_tick.h"
#include "ui/layout.h"
#include "ui/win32/control_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

std::wstring gProgram; // the program file, as a Windows path

using namespace std::chrono_literals;
using ui::Control;

// WM_GETTEXT, not GetWindowText: across processes, only the message reads what
// an edit box holds.
std::wstring textOf(HWND window)
{
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)), L'\0');
    SendMessageW(window, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

bool hasIcon(HWND box) { return SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0) != 0; }

template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = 10s)
{
    for (auto end = std::chrono::steady_clock::now() + limit;
         std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(20ms))
        if (condition())
            return true;
    return condition();
}

// The visible top-level windows of one process with a class name.
std::vector<HWND> windowsOf(DWORD process, const wchar_t* className)
{
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window))
            found.push_back(window);
    }
    return found;
}

// The screen's dots per inch. Under wine they are the prefix's LogPixels setting,
// read by each program as it starts, so the program is tried at 144 and at 96 and
// the setting is put back; on Windows it runs at the user's own, left alone.
bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }

DWORD logPixels()
{
    DWORD dpi = 96;
    DWORD size = sizeof dpi;
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD,
        nullptr, &dpi, &size);
    return dpi;
}

void setLogPixels(DWORD dpi)
{
    RegSetKeyValueW(
        HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

// One run of the program, ended and checked for exit code 0 by the test.
class Calculator {
public:
    Calculator()
    {
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + gProgram + L"\"";
        if (!CreateProcessW(gProgram.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                nullptr, nullptr, &startup, &process_))
            return;
        // A first start in a new face set or at a new dpi takes wine a few seconds.
        waitFor(
            [&] { return !windowsOf(process_.dwProcessId, L"CalculatorOrvi2009").empty(); }, 30s);
        const auto windows = windowsOf(process_.dwProcessId, L"CalculatorOrvi2009");
        window_ = windows.empty() ? nullptr : windows.front();
    }
    ~Calculator()
    {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    HWND window() const { return window_; }
    HWND control(Control id) const { return GetDlgItem(window_, ui::win32::controlId(id)); }
    HWND key(const wchar_t* caption) const
    {
        return FindWindowExW(window_, nullptr, L"Button", caption);
    }
    std::wstring display() const { return textOf(control(Control::TEXT1)); }
    void type(const wchar_t* text) const
    {
        SendMessageW(control(Control::TEXT1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // Types at the keyboard into the display, which must take it.
    void typeKeys(const std::wstring& keys) const
    {
        const std::wstring typed = display() + keys;
        for (const wchar_t c : keys)
            PostMessageW(control(Control::TEXT1), WM_CHAR, c, 1);
        EXPECT_TRUE(waitFor([&] { return display() == typed; }, 2s)) << "typing was lost";
    }

    // Clicks keys, each handled before the next; a key that would open a box
    // must be clicked with open() instead.
    void click(std::initializer_list<const wchar_t*> captions) const
    {
        for (const wchar_t* caption : captions) {
            DWORD_PTR result = 0;
            ASSERT_TRUE(key(caption))
                << "no key " << std::string(caption, caption + wcslen(caption));
            ASSERT_TRUE(
                SendMessageTimeoutW(key(caption), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
                << "a key did not come back";
        }
    }

    // Clicks a key that opens a message box and returns the box.
    HWND open(const wchar_t* caption) const
    {
        PostMessageW(key(caption), BM_CLICK, 0, 0);
        waitFor([&] { return !windowsOf(process_.dwProcessId, L"#32770").empty(); });
        const auto boxes = windowsOf(process_.dwProcessId, L"#32770");
        return boxes.empty() ? nullptr : boxes.front();
    }

    // Presses a button of the box and waits until the key's handler has finished.
    void answer(HWND box, int button) const
    {
        PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
        waitFor([&] { return !IsWindow(box); });
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    }

    HWND focus() const
    {
        GUITHREADINFO info {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process_.dwThreadId, &info);
        return info.hwndFocus;
    }

    DWORD exitCode(DWORD waitMs = 10000) const
    {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, waitMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ {};
    HWND window_ = nullptr;
};

constexpr int kMessageText = 0xFFFF; // the message's static text in a message box

// The box's inside as the screen shows it, a 0x00RRGGBB value a pixel, row by row.
std::vector<std::uint32_t> insideOf(HWND box, SIZE& size)
{
    RECT client {};
    GetClientRect(box, &client);
    POINT origin {};
    ClientToScreen(box, &origin);
    size = { client.right, client.bottom };
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx * size.cy));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(dc, old);
    BITMAPINFO info {};
    info.bmiHeader = { sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// No ink on the outermost pixels of a box's inside: letters reaching them are cut
// by its border.
bool inkInside(HWND box)
{
    SIZE size {};
    const auto pixels = insideOf(box, size);
    const COLORREF face = GetSysColor(COLOR_INACTIVECAPTION);
    const std::uint32_t background
        = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    const auto at = [&](int x, int y) {
        return pixels[static_cast<std::size_t>(y * size.cx + x)] & 0xFFFFFF;
    };
    for (int x = 0; x < size.cx; ++x)
        if (at(x, 0) != background || at(x, size.cy - 1) != background)
            return false;
    for (int y = 0; y < size.cy; ++y)
        if (at(0, y) != background || at(size.cx - 1, y) != background)
            return false;
    return true;
}

// The time as the clock writes it, a few seconds ago, in one of its forms.
std::wstring timeText(DWORD flags, int secondsAgo)
{
    FILETIME file {};
    GetSystemTimeAsFileTime(&file);
    ULARGE_INTEGER ticks { { file.dwLowDateTime, file.dwHighDateTime } };
    ticks.QuadPart -= secondsAgo * 10'000'000ULL;
    file = { ticks.LowPart, ticks.HighPart };
    SYSTEMTIME utc {}, local {};
    FileTimeToSystemTime(&file, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    wchar_t time[80] = {};
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &local, nullptr, time, 80);
    return time;
}

// The clock: the user's short date whole on its first line and the time, in the
// user's long form or on a 24-hour clock, whole on its second. The phrase: whole on
// at most two lines. Both with every letter's ink inside the box.
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
    const std::wstring time = text.substr(text.find(L'\n') + 1);
    bool known = false;
    for (const DWORD flags : { DWORD { 0 }, DWORD { TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER } })
        for (int ago = 0; ago < 4; ++ago)
            known = known || time == timeText(flags, ago);
    EXPECT_TRUE(known) << "an unknown time form";
    EXPECT_EQ(SendMessageW(clock, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(clock, EM_LINEINDEX, 1, 0), static_cast<LRESULT>(wcslen(date) + 1));

    const std::wstring words = textOf(phrase);
    const LRESULT lines = SendMessageW(phrase, EM_GETLINECOUNT, 0, 0);
    EXPECT_TRUE(lines == 1 || lines == 2) << lines << " lines";
    const LRESULT last = SendMessageW(phrase, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    EXPECT_EQ(last + SendMessageW(phrase, EM_LINELENGTH, static_cast<WPARAM>(last), 0),
        static_cast<LRESULT>(words.find_last_not_of(L' ') + 1)); // nothing hidden below
    EXPECT_TRUE(inkInside(clock));
    EXPECT_TRUE(inkInside(phrase));
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

// The window, its text whole, at the screen's dpi; under wine at 96, 144, 168 and
// 192 dpi in turn (the prefix's setting is put back).
TEST(Program, WholeAtEveryDpi)
{
    // Put back however the test ends, so that no later run starts at another dpi.
    struct Restore {
        DWORD dpi = logPixels();
        ~Restore()
        {
            if (underWine())
                setLogPixels(dpi);
        }
    } restore;
    HDC screen = GetDC(nullptr);
    const DWORD screenDpi = static_cast<DWORD>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    for (const DWORD dpi :
        underWine() ? std::vector<DWORD> { 144, 168, 192, 96 } : std::vector { screenDpi }) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        if (underWine())
            setLogPixels(dpi);
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

    // Colours as drawn on the screen: the window, the display, the clock box.
    HDC screen = GetDC(nullptr);
    const auto pixel = [&](int xTwips, int yTwips) {
        POINT at { ui::twipsToPixels(xTwips, 96), ui::twipsToPixels(yTwips, 96) };
        ClientToScreen(calc.window(), &at);
        return GetPixel(screen, at.x, at.y);
    };
    EXPECT_EQ(pixel(100, 8300), RGB(128, 128, 255));
    EXPECT_EQ(pixel(4800, 2700), RGB(192, 192, 255));
    EXPECT_EQ(pixel(400, 1650), GetSysColor(COLOR_INACTIVECAPTION));
    ReleaseDC(nullptr, screen);

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
        SIZE size {};
        std::vector<std::uint32_t> pixels = insideOf(calc.window(), size);
        pixels.resize(static_cast<std::size_t>(size.cx * display.top));
        return pixels;
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

// win32_tests PROGRAM: the program file, as a Windows path or as a path of the
// machine wine runs on.
int main(int argc, char** argv)
{
    SetProcessDPIAware(); // measures in the screen's own pixels, as the program draws
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: win32_tests [gtest options] PROGRAM.exe\n");
        return 2;
    }
    std::string path = argv[1];
    if (path.starts_with('/')) // a Unix path under wine: drive Z: is the root
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    gProgram.assign(path.begin(), path.end());
    return RUN_ALL_TESTS();
}
