#include "lines_box.h"

#include "wide_text.h"

#include <algorithm>
#include <utility>

namespace ui::win32 {

namespace {

RECT rectOf(const Ink& ink) { return { ink.left, ink.top, ink.right, ink.bottom }; }

} // namespace

void LinesBox::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

LinesBox::LinesBox()
    : measurer_(std::make_unique<BoxLineMeasurer>(nullptr, nullptr))
{
}

void LinesBox::attach(HWND box)
{
    box_ = box;
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const BoxRoom inside = room();
    buffer_.keep({ inside.width, inside.height });
}

void LinesBox::setFonts(HFONT own, HFONT fallback)
{
    measurer_ = std::make_unique<BoxLineMeasurer>(own, fallback);
    InvalidateRect(box_, nullptr, FALSE);
}

BoxRoom LinesBox::room() const
{
    RECT client {};
    GetClientRect(box_, &client);
    return { client.right, client.bottom, measurer_->typeSize() };
}

std::u16string_view LinesBox::piece(const PlacedLine& line) const
{
    return std::u16string_view(text_).substr(line.start, line.length);
}

void LinesBox::show(std::u16string_view text, const BoxLayout& layout)
{
    // The ink of every line, before and now, that is not the same text at the same
    // place as before.
    RECT changed {};
    const auto repaint = [&](const PlacedLine* line) {
        if (line && line->ink) {
            const RECT inked = rectOf(*line->ink);
            UnionRect(&changed, &changed, &inked);
        }
    };
    for (std::size_t i = 0; i < std::max(layout.lines.size(), layout_.lines.size()); ++i) {
        const PlacedLine* now = i < layout.lines.size() ? &layout.lines[i] : nullptr;
        const PlacedLine* was = i < layout_.lines.size() ? &layout_.lines[i] : nullptr;
        if (now && was && layout.typeSize == layout_.typeSize && now->x == was->x
            && now->top == was->top && text.substr(now->start, now->length) == piece(*was))
            continue;
        repaint(now);
        repaint(was);
    }
    text_ = text;
    layout_ = layout;
    SetWindowTextW(box_, toWide(text).c_str());
    if (!IsRectEmpty(&changed))
        InvalidateRect(box_, &changed, FALSE);
}

void LinesBox::paint()
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(box_, &paint);
    const RECT& area = paint.rcPaint;
    if (!IsRectEmpty(&area)) {
        HDC dc = buffer_.begin(target, area);
        const HBRUSH background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box_),
            WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box_)));
        FillRect(dc, &area, background ? background : GetSysColorBrush(COLOR_WINDOW));
        SetBkMode(dc, TRANSPARENT);
        RECT common;
        for (const PlacedLine& line : layout_.lines) {
            if (!line.ink)
                continue;
            const RECT inked = rectOf(*line.ink);
            if (IntersectRect(&common, &inked, &area))
                measurer_->draw(dc, piece(line), layout_.typeSize, line.x, line.top);
        }
        buffer_.end();
    }
    EndPaint(box_, &paint);
}

LRESULT CALLBACK LinesBox::windowProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto* self = reinterpret_cast<LinesBox*>(GetWindowLongPtrW(box, GWLP_USERDATA)))
        return self->handleMessage(message, wParam, lParam);
    return DefWindowProcW(box, message, wParam, lParam);
}

LRESULT LinesBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SIZE:
        buffer_.keep({ LOWORD(lParam), HIWORD(lParam) });
        InvalidateRect(box_, nullptr, FALSE);
        return 0;
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(layout_.lines.size());
    case EM_LINEINDEX: // the first character of a line
        return wParam < layout_.lines.size() ? static_cast<LRESULT>(layout_.lines[wParam].start)
                                             : -1;
    case EM_LINELENGTH: // the length of the line a character is on
        for (const PlacedLine& line : layout_.lines)
            if (wParam >= line.start && wParam <= line.start + line.length)
                return static_cast<LRESULT>(line.length);
        return 0;
    case kGetLinesTypeSize:
        return layout_.typeSize;
    case WM_NCDESTROY: {
        HWND box = std::exchange(box_, nullptr);
        SetWindowLongPtrW(box, GWLP_USERDATA, 0);
        return DefWindowProcW(box, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcW(box_, message, wParam, lParam);
}

} // namespace ui::win32
