#include "display_box.h"

#include "ui/text_wrap.h"
#include "wide_text.h"

#include <usp10.h>

#include <cmath>
#include <string>
#include <vector>

namespace ui::win32 {

namespace {

// Lines are set 1.2 type sizes apart, with the baseline 0.9 of a type size below
// the top of its line: room for Latin and Arabic letters alike.
constexpr double kLinePitch = 1.2;
constexpr double kBaseline = 0.9;

HFONT fontOf(HWND box) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(box, GWLP_USERDATA)); }

std::wstring textOf(HWND box)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)), L'\0');
    GetWindowTextW(box, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

bool isRightToLeft(std::wstring_view line)
{
    for (const wchar_t c : line) {
        if (c >= 0x0590 && c <= 0x08FF)
            return true; // Hebrew, Arabic and their neighbours
        if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'))
            return false;
    }
    return false;
}

// A line shaped by Uniscribe: joined Arabic letters, in reading order, with
// fallback faces for letters the font lacks. Measured and drawn from the one
// shaping, so a line is as wide as it is drawn.
class ShapedLine {
public:
    ShapedLine(HDC dc, std::wstring_view text)
    {
        if (text.empty())
            return;
        const int length = static_cast<int>(text.size());
        const DWORD flags = SSA_GLYPHS | SSA_FALLBACK | (isRightToLeft(text) ? SSA_RTL : 0);
        if (FAILED(ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1, flags, 0,
                nullptr, nullptr, nullptr, nullptr, nullptr, &analysis_)))
            analysis_ = nullptr;
    }
    ~ShapedLine()
    {
        if (analysis_)
            ScriptStringFree(&analysis_);
    }
    ShapedLine(const ShapedLine&) = delete;
    ShapedLine& operator=(const ShapedLine&) = delete;

    int width() const { return analysis_ ? ScriptString_pSize(analysis_)->cx : 0; }
    void draw(int x, int y) const
    {
        if (analysis_)
            ScriptStringOut(analysis_, x, y, 0, nullptr, 0, 0, FALSE);
    }

private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

std::vector<TextLine> wrappedLines(HDC dc, std::wstring_view text, int width)
{
    return wrapText(fromWide(text), width,
        [dc](std::u16string_view piece) { return ShapedLine(dc, toWide(piece)).width(); });
}

void drawText(HWND box, HDC dc, const RECT& client)
{
    const HBRUSH background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box),
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    FillRect(dc, &client, background ? background : GetSysColorBrush(COLOR_WINDOW));

    HFONT font = fontOf(box);
    if (!font)
        return;
    LOGFONTW logical {};
    GetObjectW(font, sizeof logical, &logical);
    const double size = std::abs(logical.lfHeight);
    const int pitch = static_cast<int>(std::lround(size * kLinePitch));
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);

    const std::wstring text = textOf(box);
    const int width = client.right - client.left;
    const auto lines = wrappedLines(dc, text, width);

    // Uniscribe puts the top of the font's cell at y; it is moved so that the
    // baseline lands where the fixed pitch wants it.
    const int cellTop = static_cast<int>(std::lround(size * kBaseline)) - metrics.tmAscent;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = client.top + static_cast<int>(i) * pitch;
        if (top >= client.bottom)
            break;
        const ShapedLine shaped(
            dc, std::wstring_view(text).substr(lines[i].start, lines[i].length));
        shaped.draw(client.left + (width - shaped.width()) / 2, top + cellTop);
    }
    SelectObject(dc, oldFont);
}

void paint(HWND box)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(box, &paint);
    RECT client;
    GetClientRect(box, &client);
    // Drawn off screen first: the clock is redrawn twice a second and must not flicker.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    drawText(box, dc, client);
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(box, &paint);
}

LRESULT CALLBACK displayBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint(box);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SETFONT:
        SetWindowLongPtrW(box, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam))
            InvalidateRect(box, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return static_cast<LRESULT>(GetWindowLongPtrW(box, GWLP_USERDATA));
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(box, message, wParam, lParam);
        InvalidateRect(box, nullptr, FALSE);
        return result;
    }
    default:
        return DefWindowProcW(box, message, wParam, lParam);
    }
}

} // namespace

std::size_t displayBoxLineCount(HWND box, std::u16string_view text)
{
    RECT client;
    GetClientRect(box, &client);
    HDC dc = GetDC(box);
    const HGDIOBJ old = SelectObject(dc, fontOf(box));
    const std::size_t count = wrappedLines(dc, toWide(text), client.right).size();
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return count;
}

void registerDisplayBoxClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = displayBoxProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kDisplayBoxClass;
    RegisterClassExW(&windowClass);
}

} // namespace ui::win32
