#pragma once

// The real Windows program, started and driven from outside as a user's tools
// would: keys clicked with BM_CLICK, the display read and typed with WM_GETTEXT and
// WM_SETTEXT, message boxes found and answered, the window measured and its pixels
// read from the screen.

#include "ui/controls.h"
#include "ui/win32/control_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace driver {

using namespace std::chrono_literals;

extern std::wstring gProgram; // the program file, as a Windows path
extern std::wstring gReport;  // where the report of what the window shows goes, or nothing

// WM_GETTEXT, not GetWindowText: across processes, only the message reads what an
// edit box holds.
std::wstring textOf(HWND window);

template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = 10s,
    std::chrono::milliseconds step = 20ms)
{
    for (auto end = std::chrono::steady_clock::now() + limit;
         std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(step))
        if (condition())
            return true;
    return condition();
}

// Under wine the tests choose the desktop's settings in the prefix's registry, which
// each program reads as it starts; on Windows the user's own are left alone.
bool underWine();

// Values of one key of HKEY_CURRENT_USER, set for a run and put back however the
// test ends, so that no later run starts with them.
class UserSettings {
public:
    explicit UserSettings(const wchar_t* key)
        : key_(key)
    {
    }
    ~UserSettings();
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    void set(const wchar_t* name, DWORD value);
    void set(const wchar_t* name, const std::wstring& value);

private:
    void keep(const wchar_t* name);
    struct Kept {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data; // empty with type REG_NONE: there was no value
    };
    const wchar_t* key_;
    std::vector<Kept> kept_;
};

// The screen's pixels over a window's client area, 0x00RRGGBB row by row.
struct Pixels {
    SIZE size {};
    std::vector<std::uint32_t> values;
    std::uint32_t at(int x, int y) const
    {
        return values[static_cast<std::size_t>(y * size.cx + x)] & 0xFFFFFF;
    }
};
Pixels pixelsOf(HWND window);

// One run of the program, ended and checked for exit code 0 by the test.
class Calculator {
public:
    Calculator();
    ~Calculator();
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    HWND window() const { return window_; }
    HWND control(ui::Control id) const { return GetDlgItem(window_, ui::win32::controlId(id)); }
    HWND key(const wchar_t* caption) const
    {
        return FindWindowExW(window_, nullptr, L"Button", caption);
    }
    std::wstring display() const { return textOf(control(ui::Control::TEXT1)); }
    void type(const wchar_t* text) const;
    // Types at the keyboard into the display, which must take it.
    void typeKeys(const std::wstring& keys) const;
    // Clicks keys, each handled before the next; a key that would open a box must
    // be clicked with open() instead.
    void click(std::initializer_list<const wchar_t*> captions) const;
    // Clicks a key that opens a message box and returns the box.
    HWND open(const wchar_t* caption) const;
    // Presses a button of the box and waits until the key's handler has finished.
    void answer(HWND box, int button) const;
    HWND focus() const;
    DWORD exitCode(DWORD waitMs = 10000) const;

private:
    PROCESS_INFORMATION process_ {};
    HWND window_ = nullptr;
};

} // namespace driver
