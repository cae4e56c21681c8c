// How long a key takes on a long display: starts the real program, fills its
// display with digits (as pasting them would), then clicks "7", ".", "C", "C" and
// "1", timing each from the click until the display is drawn again.
//
//   long_display PROGRAM.exe [LENGTH ...]     (default: 50000 100000)
//
// Under wine: scripts/wine-run.sh build/windows-x86/bench/windows/long_display.exe
//             build/windows-x86/ui/CalculatorOrvi2009.exe 50000 100000 1000000

#include "ui/win32/control_ids.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr UINT kPatienceMs = 20 * 60 * 1000; // a key that takes longer counts as hung

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

HWND windowOf(DWORD process)
{
    for (int tries = 0; tries < 600; ++tries) {
        for (HWND window = nullptr;
             (window = FindWindowExW(nullptr, window, L"CalculatorOrvi2009", nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window))
                return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

// Sends a message and waits for its answer; false when the program did not answer.
bool send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kPatienceMs, &result)
        != 0;
}

// Until the program has drawn what changed: UpdateWindow has it paint at once.
void drawn(HWND window, HWND display)
{
    UpdateWindow(display);
    UpdateWindow(window);
    send(display, WM_NULL, 0, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: long_display PROGRAM.exe [LENGTH ...]\n");
        return 2;
    }
    std::string path = argv[1];
    if (path.starts_with('/'))
        path = "Z:" + path; // a Unix path under wine
    std::wstring program(path.begin(), path.end());
    for (wchar_t& c : program)
        if (c == L'/')
            c = L'\\';
    std::vector<std::size_t> lengths;
    for (int i = 2; i < argc; ++i)
        lengths.push_back(std::strtoul(argv[i], nullptr, 10));
    if (lengths.empty())
        lengths = { 50000, 100000 };

    std::printf("%-10s %10s %8s %8s %8s %8s %8s\n", "length", "fill (s)", "7", ".", "C", "C", "1");
    for (const std::size_t length : lengths) {
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process {};
        std::wstring commandLine = L"\"" + program + L"\"";
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                nullptr, nullptr, &startup, &process)) {
            std::fprintf(stderr, "cannot start %s\n", argv[1]);
            return 1;
        }
        HWND window = windowOf(process.dwProcessId);
        HWND display = GetDlgItem(window, ui::win32::controlId(ui::Control::TEXT1));
        const auto key = [&](const wchar_t* caption) {
            return FindWindowExW(window, nullptr, L"Button", caption);
        };
        std::printf("%-10zu", length);
        const std::wstring digits(length, L'7');
        auto start = Clock::now();
        bool answered = send(display, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(digits.c_str()));
        drawn(window, display);
        std::printf(" %10.2f", secondsSince(start));
        for (const wchar_t* caption : { L"7", L".", L"C", L"C", L"1" }) {
            if (!answered) {
                std::printf(" %8s", "hung");
                continue;
            }
            start = Clock::now();
            answered = send(key(caption), BM_CLICK, 0, 0);
            drawn(window, display);
            std::printf(" %8.3f", secondsSince(start));
        }
        std::printf("   (seconds)\n");
        std::fflush(stdout);
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return 0;
}
