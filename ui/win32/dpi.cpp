#include "dpi.h"

namespace ui::win32 {

namespace {

// Looked up at run time: Windows 7 and 8 have neither.
template <typename Function> Function user32Function(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int windowDpi(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    return systemDpi();
}

RECT pixelRect(const LayoutRow& row, int dpi)
{
    return { twipsToPixels(row.left, dpi), twipsToPixels(row.top, dpi),
        twipsToPixels(row.left + row.width, dpi), twipsToPixels(row.top + row.height, dpi) };
}

SIZE outerSize(int width, int height, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect { 0, 0, width, height };
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return { rect.right - rect.left, rect.bottom - rect.top };
}

} // namespace ui::win32
