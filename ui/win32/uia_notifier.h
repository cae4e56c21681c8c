#pragma once

#include <windows.h>

#include <string_view>

namespace ui::win32 {

class NotificationSource;

// The notification of UI Automation, which Narrator and NVDA speak as it comes,
// wherever the focus is. Windows has it from Windows 10 version 1709, so it is
// looked up as the program runs, and the program still starts on the systems before.
class UiaNotifier {
public:
    UiaNotifier() = default;
    ~UiaNotifier();
    UiaNotifier(const UiaNotifier&) = delete;
    UiaNotifier& operator=(const UiaNotifier&) = delete;

    // The notifications are raised on behalf of this window; null lets it go.
    void attach(HWND source);
    // Has the words said; false where the system has no such notification or no
    // reader listens for one.
    bool notify(std::wstring_view words);

private:
    bool load();

    HWND window_ = nullptr;
    bool loaded_ = false;
    HMODULE library_ = nullptr;
    NotificationSource* source_ = nullptr;
};

} // namespace ui::win32
