#include "form1_window.h"

#include "assets/resource_ids.h"
#include "dialog_keys.h"
#include "dpi.h"
#include "wide_text.h"
#include "window_queries.h"

#include <commctrl.h>

#include <cmath>
#include <utility>

namespace ui::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"CalculatorOrvi2009";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr UINT_PTR kTimerId = 1;

HICON eagle(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_EAGLE), IMAGE_ICON,
        GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

void registerWindowClass(HINSTANCE instance, WNDPROC windowProc)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    // The eagle in the title bar and the task bar, at the desktop's two icon sizes.
    windowClass.hIcon = eagle(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = eagle(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

SIZE outerSizeAt(int dpi)
{
    const WindowRow& row = windowRow();
    return outerSize(twipsToPixels(row.clientWidth, dpi), twipsToPixels(row.clientHeight, dpi),
        kWindowStyle, 0, dpi);
}

int permille(double share) { return static_cast<int>(std::lround(share * 1000)); }

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : faces_(FontFaces::installed())
    , banner_(instance, colors_)
    , platform_({ window_, lastFocus_, controls_, colors_, banner_, display_, clock_, phrase_,
          accessible_ })
    , form_(platform_)
{
    const INITCOMMONCONTROLSEX commonControls { sizeof commonControls, ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&commonControls);
    LinesBox::registerClass(instance);
    registerWindowClass(instance, windowProc);

    const int dpi = systemDpi();
    const SIZE outer = outerSizeAt(dpi);
    CreateWindowExW(0, kWindowClass, toWide(windowRow().caption).c_str(), kWindowStyle,
        CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, this);
    controls_.create(window_, instance);
    clock_.attach(controls_.window(Control::Text3));
    phrase_.attach(controls_.window(Control::Text4));
    display_.attach(controls_.window(Control::TEXT1));
    applyDpi(windowDpi(window_));
    if (dpi_ != dpi) {
        const SIZE resized = outerSizeAt(dpi_);
        SetWindowPos(window_, nullptr, 0, 0, resized.cx, resized.cy,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    lastFocus_ = controls_.window(Control::TEXT1);
    accessible_.attach(window_, controls_, banner_);

    form_.Form_Load();
    SetTimer(window_, kTimerId, static_cast<UINT>(windowRow().timerIntervalMs), nullptr);
}

Form1Window::~Form1Window()
{
    if (window_)
        DestroyWindow(window_);
}

void Form1Window::show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

bool Form1Window::handleDialogKey(MSG& message)
{
    return win32::handleDialogKey(window_, controls_, message);
}

void Form1Window::applyDpi(int dpi)
{
    dpi_ = dpi;
    // The fonts of before are let go at the end, once nothing holds them.
    ControlFonts before = std::exchange(fonts_, ControlFonts(faces_, dpi));
    controls_.layOut(dpi, fonts_);
    clock_.setFonts(fonts_.font(Control::Text3), fonts_.fallback(Control::Text3));
    phrase_.setFonts(fonts_.font(Control::Text4), fonts_.fallback(Control::Text4));
    display_.setFont(fonts_.font(Control::TEXT1), twipsToPixels(indicatorOverlapTwips(), dpi));
    banner_.layOut(window_, dpi, fonts_);
    form_.measuresChanged();
}

void Form1Window::commanded(WPARAM wParam)
{
    const auto control = controls_.controlOf(LOWORD(wParam));
    if (!control)
        return;
    if (HIWORD(wParam) == BN_CLICKED)
        form_.click(*control);
    else if (HIWORD(wParam) == EN_CHANGE && *control == Control::TEXT1)
        form_.displayChanged(); // by a key or by typing
}

LRESULT Form1Window::controlColors(HDC dc, HWND child)
{
    const auto control = controls_.controlOf(child);
    if (!control)
        return reinterpret_cast<LRESULT>(colors_.windowBrush());
    SetTextColor(dc, colors_.text(*control));
    SetBkColor(dc, colors_.background(*control));
    return reinterpret_cast<LRESULT>(colors_.backgroundBrush(*control));
}

LRESULT Form1Window::paintedPlace(WPARAM control, LPARAM part) const
{
    if (control >= kControlCount)
        return 0;
    const RECT place = banner_.place(static_cast<Control>(control));
    return part == kPlaceSize ? MAKELRESULT(place.right - place.left, place.bottom - place.top)
                              : MAKELRESULT(place.left, place.top);
}

LRESULT CALLBACK Form1Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self
            = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(window, message, wParam, lParam);
}

LRESULT Form1Window::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        commanded(wParam);
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId)
            form_.Timer1_Timer();
        return 0;
    case WM_PAINT:
        banner_.paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return controlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        // Coming back (after a message box, say), the focus returns to where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(window_, focus))
                lastFocus_ = focus;
        } else if (!HIWORD(wParam) && lastFocus_) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (lastFocus_)
            SetFocus(lastFocus_);
        return 0;
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
            suggested->right - suggested->left, suggested->bottom - suggested->top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_FONTCHANGE: // faces installed or removed while it runs
        faces_ = FontFaces::installed();
        applyDpi(dpi_);
        return 0;
    case WM_SYSCOLORCHANGE:
        colors_.reload();
        banner_.colorsChanged();
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        break;
    case WM_GETOBJECT:
        if (const LRESULT object = accessible_.answer(wParam, lParam))
            return object;
        break;
    case kGetPaintedPlace:
        return paintedPlace(wParam, lParam);
    case kGetDisplayScale: {
        const DisplayScale scale = display_.shownScale();
        return MAKELRESULT(permille(scale.stretch), permille(scale.size));
    }
    case WM_DESTROY:
        accessible_.detach();
        KillTimer(window_, kTimerId);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace ui::win32
