#include "display_box.h"

#include "box_layout.h"
#include "paint_buffer.h"
#include "ui/text_fit.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace ui::win32 {

namespace {

// What a box holds beside its window text: the parent's fonts, the type size it
// was told to keep, and the layout of its text, made when first needed.
struct BoxState {
    HFONT font = nullptr;
    HFONT fallback = nullptr;
    int typeSize = 0;
    BoxMeasures measures;
    std::optional<BoxLayout> layout;
    PaintBuffer buffer;
};

BoxState& stateOf(HWND box)
{
    return *reinterpret_cast<BoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

std::wstring textOf(HWND box)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)), L'\0');
    GetWindowTextW(box, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

SIZE roomOf(HWND box)
{
    RECT client;
    GetClientRect(box, &client);
    return { client.right, client.bottom };
}

int typeSizeOf(HFONT font)
{
    LOGFONTW logical {};
    GetObjectW(font, sizeof logical, &logical);
    return std::abs(logical.lfHeight);
}

const BoxLayout* layoutOf(HWND box)
{
    BoxState& state = stateOf(box);
    if (!state.layout && state.font) {
        const std::wstring text = textOf(box);
        const int own = typeSizeOf(state.font);
        int size = state.typeSize ? state.typeSize : own;
        const int smallest = static_cast<int>(std::ceil(own * kSmallestBoxTypeShare));
        state.layout.emplace(text, state.font, state.fallback, size, roomOf(box), state.measures);
        while (!state.typeSize && !state.layout->whole() && size > smallest)
            state.layout.emplace(
                text, state.font, state.fallback, --size, roomOf(box), state.measures);
    }
    return state.layout ? &*state.layout : nullptr;
}

void changed(HWND box)
{
    stateOf(box).layout.reset();
    InvalidateRect(box, nullptr, FALSE);
}

// A new text repaints only the lines that differ: a clock's date stays put while
// its time changes every second.
void textChanged(HWND box)
{
    BoxState& state = stateOf(box);
    if (!state.layout)
        return changed(box);
    const BoxLayout before = std::move(*state.layout);
    state.layout.reset();
    if (const BoxLayout* after = layoutOf(box)) {
        const RECT area = after->changedFrom(before);
        if (!IsRectEmpty(&area))
            InvalidateRect(box, &area, FALSE);
    }
}

void paint(HWND box)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(box, &paint);
    const RECT& area = paint.rcPaint;
    if (!IsRectEmpty(&area)) {
        // Drawn off screen first: the clock is redrawn every second and must not flicker.
        PaintBuffer& buffer = stateOf(box).buffer;
        HDC dc = buffer.begin(target, area);
        const HBRUSH background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box),
            WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
        FillRect(dc, &area, background ? background : GetSysColorBrush(COLOR_WINDOW));
        SetBkMode(dc, TRANSPARENT);
        if (const BoxLayout* layout = layoutOf(box))
            layout->draw(dc, area);
        buffer.end();
    }
    EndPaint(box, &paint);
}

// EM_LINEINDEX and EM_LINELENGTH as an edit box answers them.
LRESULT lineIndex(HWND box, WPARAM line)
{
    const BoxLayout* layout = layoutOf(box);
    if (!layout || line >= layout->lines().size())
        return -1;
    return static_cast<LRESULT>(layout->lines()[line].start);
}

LRESULT lineLength(HWND box, WPARAM at)
{
    if (const BoxLayout* layout = layoutOf(box))
        for (const BoxLayout::Line& line : layout->lines())
            if (at >= line.start && at <= line.start + line.length)
                return static_cast<LRESULT>(line.length);
    return 0;
}

LRESULT CALLBACK displayBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new BoxState));
        break;
    case WM_NCDESTROY:
        delete &stateOf(box);
        SetWindowLongPtrW(box, GWLP_USERDATA, 0);
        break;
    case WM_PAINT:
        paint(box);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SETFONT:
        stateOf(box).font = reinterpret_cast<HFONT>(wParam);
        stateOf(box).layout.reset();
        if (LOWORD(lParam))
            InvalidateRect(box, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(stateOf(box).font);
    case kSetFallbackFont:
        stateOf(box).fallback = reinterpret_cast<HFONT>(wParam);
        changed(box);
        return 0;
    case kSetTypeSize:
        stateOf(box).typeSize = static_cast<int>(wParam);
        changed(box);
        return 0;
    case WM_SIZE:
        stateOf(box).buffer.keep({ LOWORD(lParam), HIWORD(lParam) });
        changed(box);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(box, message, wParam, lParam);
        textChanged(box);
        return result;
    }
    case EM_GETLINECOUNT: {
        const BoxLayout* layout = layoutOf(box);
        return layout ? static_cast<LRESULT>(layout->lines().size()) : 0;
    }
    case EM_LINEINDEX:
        return lineIndex(box, wParam);
    case EM_LINELENGTH:
        return lineLength(box, wParam);
    default:
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

} // namespace

int displayBoxTypeSize(HWND box) { return typeSizeOf(stateOf(box).font); }

bool displayBoxShowsWhole(HWND box, std::wstring_view text, int typeSize)
{
    BoxState& state = stateOf(box);
    return BoxLayout(text, state.font, state.fallback, typeSize, roomOf(box), state.measures)
        .whole();
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
