#include "program_driver.h"

namespace driver {

std::wstring gProgram;
std::wstring gReport;

namespace {

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

} // namespace

std::wstring textOf(HWND window)
{
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)), L'\0');
    SendMessageW(window, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }

void UserSettings::keep(const wchar_t* name)
{
    for (const Kept& kept : kept_)
        if (kept.name == name)
            return;
    Kept kept { name, REG_NONE, std::vector<BYTE>(256) };
    DWORD size = static_cast<DWORD>(kept.data.size());
    if (RegGetValueW(HKEY_CURRENT_USER, key_, name, RRF_RT_ANY | RRF_NOEXPAND, &kept.type,
            kept.data.data(), &size)
        == ERROR_SUCCESS)
        kept.data.resize(size);
    else
        kept = { name, REG_NONE, {} };
    kept_.push_back(std::move(kept));
}

void UserSettings::set(const wchar_t* name, DWORD value)
{
    keep(name);
    RegSetKeyValueW(HKEY_CURRENT_USER, key_, name, REG_DWORD, &value, sizeof value);
}

void UserSettings::set(const wchar_t* name, const std::wstring& value)
{
    keep(name);
    RegSetKeyValueW(HKEY_CURRENT_USER, key_, name, REG_SZ, value.c_str(),
        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

UserSettings::~UserSettings()
{
    for (const Kept& kept : kept_) {
        if (kept.type == REG_NONE)
            RegDeleteKeyValueW(HKEY_CURRENT_USER, key_, kept.name.c_str());
        else
            RegSetKeyValueW(HKEY_CURRENT_USER, key_, kept.name.c_str(), kept.type, kept.data.data(),
                static_cast<DWORD>(kept.data.size()));
    }
}

Pixels pixelsOf(HWND window)
{
    RECT client {};
    GetClientRect(window, &client);
    POINT origin {};
    ClientToScreen(window, &origin);
    Pixels pixels { { client.right, client.bottom }, {} };
    pixels.values.resize(static_cast<std::size_t>(client.right * client.bottom));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(dc, old);
    BITMAPINFO info {};
    info.bmiHeader
        = { sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(client.bottom), pixels.values.data(), &info,
        DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Calculator::Calculator()
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + gProgram + L"\"";
    if (!CreateProcessW(gProgram.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            nullptr, &startup, &process_))
        return;
    // A first start in a new face set or at a new dpi takes wine a few seconds.
    waitFor(
        [&] { return !windowsOf(process_.dwProcessId, L"CalculatorOrvi2009").empty(); }, 30s, 5ms);
    const auto windows = windowsOf(process_.dwProcessId, L"CalculatorOrvi2009");
    window_ = windows.empty() ? nullptr : windows.front();
}

Calculator::~Calculator()
{
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void Calculator::type(const wchar_t* text) const
{
    SendMessageW(control(ui::Control::TEXT1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void Calculator::typeKeys(const std::wstring& keys) const
{
    const std::wstring typed = display() + keys;
    for (const wchar_t c : keys)
        PostMessageW(control(ui::Control::TEXT1), WM_CHAR, c, 1);
    EXPECT_TRUE(waitFor([&] { return display() == typed; }, 2s)) << "typing was lost";
}

void Calculator::click(std::initializer_list<const wchar_t*> captions) const
{
    for (const wchar_t* caption : captions) {
        DWORD_PTR result = 0;
        ASSERT_TRUE(key(caption)) << "no key " << std::string(caption, caption + wcslen(caption));
        ASSERT_TRUE(
            SendMessageTimeoutW(key(caption), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result))
            << "a key did not come back";
    }
}

HWND Calculator::open(const wchar_t* caption) const
{
    PostMessageW(key(caption), BM_CLICK, 0, 0);
    waitFor([&] { return !windowsOf(process_.dwProcessId, L"#32770").empty(); });
    const auto boxes = windowsOf(process_.dwProcessId, L"#32770");
    return boxes.empty() ? nullptr : boxes.front();
}

void Calculator::answer(HWND box, int button) const
{
    PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
    waitFor([&] { return !IsWindow(box); });
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

HWND Calculator::focus() const
{
    GUITHREADINFO info {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

DWORD Calculator::exitCode(DWORD waitMs) const
{
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, waitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

} // namespace driver
