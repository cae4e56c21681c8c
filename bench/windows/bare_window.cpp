// The yardstick for the Windows program's start-up and footprint: a bare Win32
// window of the same size with the same controls (30 push buttons, 4 edit boxes,
// the labels as static text, the picture's place as a flat box), their texts,
// places and colours from the same layout table, one font a type size in the
// program's face, and a 500 ms timer that does nothing. No calculator, no banner,
// no clock, no pictures to decode, no icon, no text shaping of its own.
// bench/desktop-windows measures both side by side.
//
//   bare_window.exe            the timer does nothing
//   bare_window.exe --ticking  each tick makes the changes the banner makes, the
//                              plainest way: recolours the two labels, slides the
//                              picture's box, and writes the time into the clock's
//                              box when it changed

#include "ui/layout.h"

#include <windows.h>

#include <cmath>
#include <cwchar>
#include <map>
#include <string>
#include <string_view>

namespace {

constexpr wchar_t kWindowClass[] = L"BareWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr COLORREF kCycle[] = { RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0), RGB(0, 0, 0) };
HBRUSH background = nullptr;
bool ticking = false;
int step = 0;
HWND labels[2] = {};
HWND picture = nullptr;
HWND clock = nullptr;
POINT pictureHome {};

void tick()
{
    step = (step + 1) % 8;
    for (HWND label : labels)
        InvalidateRect(label, nullptr, TRUE);
    const int slide = step == 0 ? 0 : step * 20;
    SetWindowPos(picture, nullptr, pictureHome.x - slide, pictureHome.y, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    wchar_t time[64] = {};
    GetTimeFormatEx(nullptr, 0, nullptr, nullptr, time, 64);
    wchar_t shown[64] = {};
    GetWindowTextW(clock, shown, 64);
    if (wcscmp(time, shown) != 0)
        SetWindowTextW(clock, time);
}

std::wstring wide(std::u16string_view text) { return { text.begin(), text.end() }; }

COLORREF colorRef(std::uint32_t value)
{
    return ui::color::isSystem(value) ? GetSysColor(static_cast<int>(value & 0xFF)) : value;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (ticking)
            tick();
        return 0;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (ticking
            && (reinterpret_cast<HWND>(lParam) == labels[0]
                || reinterpret_cast<HWND>(lParam) == labels[1]))
            SetTextColor(reinterpret_cast<HDC>(wParam),
                kCycle[(step + (reinterpret_cast<HWND>(lParam) == labels[1])) % 4]);
        return reinterpret_cast<LRESULT>(background);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int pixels(int twips, int dpi) { return ui::twipsToPixels(twips, dpi); }

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    ticking = std::string_view(commandLine) == "--ticking";
    const ui::WindowRow& row = ui::windowRow();
    background = CreateSolidBrush(colorRef(row.background));
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT outer { 0, 0, pixels(row.clientWidth, dpi), pixels(row.clientHeight, dpi) };
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, kWindowClass, wide(row.caption).c_str(), kWindowStyle,
        CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
        nullptr, instance, nullptr);

    const std::wstring face(row.metricTwinFamily.begin(), row.metricTwinFamily.end());
    std::map<double, HFONT> fonts;
    HWND display = nullptr;
    for (const ui::LayoutRow& control : ui::layoutRows()) {
        const wchar_t* kind = nullptr;
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        switch (control.kind) {
        case ui::ControlKind::Key:
            kind = L"BUTTON";
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case ui::ControlKind::TextBox:
            kind = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL | (control.multiLine ? ES_MULTILINE : 0);
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ui::ControlKind::Label:
            kind = L"STATIC";
            style |= SS_CENTER;
            break;
        case ui::ControlKind::Picture:
            kind = L"STATIC";
            style |= SS_GRAYRECT;
            break;
        case ui::ControlKind::Timer:
            continue;
        }
        HWND child = CreateWindowExW(exStyle, kind, wide(control.caption).c_str(), style,
            pixels(control.left, dpi), pixels(control.top, dpi), pixels(control.width, dpi),
            pixels(control.height, dpi), window, nullptr, instance, nullptr);
        if (control.id == ui::Control::TEXT1)
            display = child;
        else if (control.id == ui::Control::Text3)
            clock = child;
        else if (control.id == ui::Control::Label1 || control.id == ui::Control::Label2)
            labels[control.id == ui::Control::Label2] = child;
        else if (control.kind == ui::ControlKind::Picture)
            picture = child;
        if (control.fontPoints > 0) {
            HFONT& font = fonts[control.fontPoints];
            if (!font)
                font = CreateFontW(-static_cast<int>(std::lround(control.fontPoints * dpi / 72.0)),
                    0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_ROMAN,
                    face.c_str());
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    RECT home;
    GetWindowRect(picture, &home);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&home), 1);
    pictureHome = { home.left, home.top };
    SetTimer(window, 1, static_cast<UINT>(row.timerIntervalMs), nullptr);
    ShowWindow(window, showCommand);
    // The caret blinks in the display, as it does in the program's.
    SetFocus(display);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
