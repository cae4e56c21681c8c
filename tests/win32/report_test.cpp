// What the window shows at one fixed state, written for the comparison of the homes:
// the controls' places, the clock's and the phrase's lines and type sizes, and the
// display's text and scale, after the first tick and a result too wide for the
// display. The run's time is fixed outside (faketime), its locale, faces and dpi here
// and in tests/win32/CMakeLists.txt.

#include "program_driver.h"
#include "ui/layout.h"
#include "ui/win32/clock_text.h"
#include "ui/win32/lines_box.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_queries.h"

#include <cstdio>
#include <sstream>

namespace {

using namespace driver;
using ui::Control;

constexpr ui::LocalTime kFixedTime { 2026, 12, 29, 23, 47, 36 };
constexpr const char* kFormNames[] = { "LongTime", "ShortTimeWithSeconds", "TwentyFourHours" };

std::string json(std::wstring_view text)
{
    std::string out = "\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\')
            out += '\\';
        if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            char utf8[8] = {};
            const int length = WideCharToMultiByte(CP_UTF8, 0, &c, 1, utf8, 8, nullptr, nullptr);
            out.append(utf8, static_cast<std::size_t>(length));
        }
    }
    return out + "\"";
}

// The lines a box shows, as it tells them.
std::vector<std::wstring> linesOf(HWND box)
{
    const std::wstring text = textOf(box);
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    for (LRESULT line = 0; line < count; ++line) {
        const LRESULT start = SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        const LRESULT length = SendMessageW(box, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
        lines.push_back(
            text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
    }
    return lines;
}

std::string linesJson(HWND box)
{
    std::string out = "{\"typeSize\": "
        + std::to_string(SendMessageW(box, ui::win32::LinesBox::kGetLinesTypeSize, 0, 0))
        + ", \"lines\": [";
    for (const std::wstring& line : linesOf(box))
        out += (out.back() == '[' ? "" : ", ") + json(line);
    return out + "]";
}

// Where a control is, in client pixels: a child window's place, or where the window
// paints a label or the picture.
RECT placeOf(const Calculator& calc, Control control)
{
    if (HWND child = calc.control(control)) {
        RECT place {};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, calc.window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    const auto ask = [&](LPARAM part) {
        return static_cast<DWORD>(SendMessageW(
            calc.window(), ui::win32::kGetPaintedPlace, static_cast<WPARAM>(control), part));
    };
    const DWORD corner = ask(ui::win32::kPlaceCorner);
    const DWORD size = ask(ui::win32::kPlaceSize);
    return { LOWORD(corner), HIWORD(corner), LOWORD(corner) + LOWORD(size),
        HIWORD(corner) + HIWORD(size) };
}

std::string placeJson(const RECT& place)
{
    std::ostringstream out;
    out << '[' << place.left << ", " << place.top << ", " << place.right - place.left << ", "
        << place.bottom - place.top << ']';
    return out.str();
}

TEST(Report, WhatTheWindowShowsAtTheFixedTime)
{
    if (gReport.empty())
        GTEST_SKIP() << "no report asked for";
    SYSTEMTIME now {};
    GetLocalTime(&now);
    ASSERT_EQ(
        ui::LocalTime({ now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond }),
        kFixedTime)
        << "the run's clock does not stand at the fixed time";
    UserSettings desktop(L"Control Panel\\Desktop");
    if (underWine())
        desktop.set(L"LogPixels", DWORD { 96 });
    Calculator calc;
    ASSERT_TRUE(calc.window());

    // The banner after its first tick, read before the second half a second later.
    HWND clock = calc.control(Control::Text3);
    HWND phrase = calc.control(Control::Text4);
    ASSERT_TRUE(waitFor([&] { return !textOf(phrase).empty(); }, 5s, 2ms));
    std::ostringstream controls;
    for (const ui::LayoutRow& row : ui::layoutRows())
        if (row.kind != ui::ControlKind::Timer)
            controls << (controls.tellp() ? ", " : "") << '"' << row.name
                     << "\": " << placeJson(placeOf(calc, row.id));
    const std::string clockLines = linesJson(clock);
    const std::string phraseLines = linesJson(phrase);
    const std::wstring clockText = textOf(clock);
    const RECT picture = placeOf(calc, Control::Image1);

    // The form the clock shows: the first whose text it is (forms may write alike).
    std::string form;
    for (std::size_t i = 0; i < ui::kClockForms.size() && form.empty(); ++i)
        if (ui::win32::toWide(ui::win32::clockText(ui::kClockForms[i], kFixedTime)) == clockText)
            form = kFormNames[i];
    EXPECT_FALSE(form.empty()) << "the clock shows none of its forms at the fixed time";

    calc.type(L"-790123377769876000");
    calc.click({ L"+", L"=" });
    const DWORD scale
        = static_cast<DWORD>(SendMessageW(calc.window(), ui::win32::kGetDisplayScale, 0, 0));
    EXPECT_EQ(placeJson(placeOf(calc, Control::Image1)), placeJson(picture))
        << "a second tick came before the banner was read";

    std::ostringstream report;
    report << "{\"home\": \"win32\",\n \"controls\": {" << controls.str() << "},\n \"clock\": "
           << "{\"form\": \"" << form << "\", " << clockLines.substr(1)
           << "},\n \"phrase\": " << phraseLines
           << "},\n \"display\": {\"text\": " << json(calc.display())
           << ", \"stretch\": " << LOWORD(scale) / 1000.0
           << ", \"size\": " << HIWORD(scale) / 1000.0 << "}}\n";
    FILE* file = _wfopen(gReport.c_str(), L"wb");
    ASSERT_TRUE(file) << "cannot write the report";
    std::fputs(report.str().c_str(), file);
    std::fclose(file);
    std::printf("%s", report.str().c_str());
    PostMessageW(calc.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

} // namespace
