#pragma once

#include "accessible_objects.h"
#include "control_fonts.h"
#include "control_windows.h"
#include "display.h"
#include "font_faces.h"
#include "form1_platform.h"
#include "lines_box.h"
#include "painted_banner.h"
#include "ui/form1.h"
#include "window_colors.h"

#include <windows.h>

namespace ui::win32 {

// The calculator window on the system's own controls: its frame and the messages it
// handles. Clicks, typing and the timer go to Form1; Form1 reaches the controls
// through Form1Platform.
class Form1Window {
public:
    explicit Form1Window(HINSTANCE instance);
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    void show(int showCommand);
    // See handleDialogKey.
    bool handleDialogKey(MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Fonts and places for a dpi, then everything measured in them again.
    void applyDpi(int dpi);
    void commanded(WPARAM wParam);
    LRESULT controlColors(HDC dc, HWND child);
    LRESULT paintedPlace(WPARAM control, LPARAM part) const;

    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    FontFaces faces_;
    ControlFonts fonts_;
    WindowColors colors_;
    ControlWindows controls_;
    PaintedBanner banner_;
    Display display_;
    LinesBox clock_;
    LinesBox phrase_;
    AccessibleObjects accessible_;
    Form1Platform platform_;
    Form1 form_;
};

} // namespace ui::win32
