#include "form1_window.h"

#include <windows.h>

#include <objbase.h>

namespace {

int run(HINSTANCE instance, int showCommand)
{
    ui::win32::Form1Window window(instance);
    window.show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.handleDialogKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam); // 0, from "OFF" or the close box
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // Screen readers ask the window's objects through COM, which calls them in this
    // thread as its messages are handled.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int code = run(instance, showCommand);
    if (SUCCEEDED(com))
        CoUninitialize();
    return code;
}
