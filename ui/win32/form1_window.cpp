#include "form1_window.h"

#include "assets/resource_ids.h"
#include "clock_text.h"
#include "control_ids.h"
#include "display_box.h"
#include "dpi.h"
#include "ui/app_info.h"
#include "wide_text.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

namespace ui::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"CalculatorOrvi2009";
constexpr UINT_PTR kTimerId = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The box styles are the system's own values.
static_assert(box::kOkOnly == MB_OK && box::kYesNo == MB_YESNO);
static_assert(box::kCritical == MB_ICONERROR && box::kQuestion == MB_ICONQUESTION);
static_assert(box::kExclamation == MB_ICONWARNING && box::kInformation == MB_ICONINFORMATION);
static_assert(box::kOk == IDOK && box::kYes == IDYES && box::kNo == IDNO);

// A 0x00BBGGRR colour is a COLORREF already; system colours name their index.
COLORREF colorRef(std::uint32_t value)
{
    return color::isSystem(value) ? GetSysColor(static_cast<int>(value & 0xFF)) : value;
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : instance_(instance)
    , faces_(FontFaces::installed())
    , form_(*this)
{
    const INITCOMMONCONTROLSEX commonControls { sizeof commonControls, ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&commonControls);
    registerDisplayBoxClass(instance);

    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    // The eagle in the title bar and the task bar, at the desktop's two icon sizes.
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_EAGLE),
        IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_EAGLE),
        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    const WindowRow& row = windowRow();
    background_ = CreateSolidBrush(colorRef(row.background));
    displayBackground_ = CreateSolidBrush(colorRef(layoutRow(Control::TEXT1).background));
    portrait_ = static_cast<HBITMAP>(LoadImageW(
        instance, MAKEINTRESOURCEW(IDB_PORTRAIT), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    pictureLeftTwips_ = static_cast<float>(layoutRow(Control::Image1).left);
    for (const LayoutRow& control : layoutRows())
        foreColors_[index(control.id)] = control.foreground;
    for (const Form1::ClickBinding& binding : Form1::clickBindings())
        clickHandlers_[index(binding.key)] = binding.handler;

    const int dpi = systemDpi();
    const SIZE outer = outerSize(twipsToPixels(row.clientWidth, dpi),
        twipsToPixels(row.clientHeight, dpi), kWindowStyle, 0, dpi);
    CreateWindowExW(0, kWindowClass, toWide(row.caption).c_str(), kWindowStyle, CW_USEDEFAULT,
        CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, this);
    createControls();
    applyDpi(windowDpi(window_));
    if (dpi_ != dpi) {
        const SIZE resized = outerSize(twipsToPixels(row.clientWidth, dpi_),
            twipsToPixels(row.clientHeight, dpi_), kWindowStyle, 0, dpi_);
        SetWindowPos(window_, nullptr, 0, 0, resized.cx, resized.cy,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    lastFocus_ = control(Control::TEXT1);

    form_.Form_Load();
    SetTimer(window_, kTimerId, static_cast<UINT>(row.timerIntervalMs), nullptr);
}

Form1Window::~Form1Window()
{
    if (window_)
        DestroyWindow(window_);
    for (HFONT font : latinFonts_)
        DeleteObject(font);
    for (HFONT font : arabicFonts_)
        DeleteObject(font);
    DeleteObject(narrowFont_);
    DeleteObject(background_);
    DeleteObject(displayBackground_);
    DeleteObject(portrait_);
}

void Form1Window::show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

// Created back to front, each in front of those before it: the table's stacking.
void Form1Window::createControls()
{
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind != ControlKind::Key && row.kind != ControlKind::TextBox)
            continue; // the labels and the picture are drawn; the timer has no window
        const wchar_t* windowClass = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        if (row.kind == ControlKind::Key) {
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
        } else if (row.multiLine) {
            windowClass = kDisplayBoxClass;
            exStyle = WS_EX_CLIENTEDGE;
        } else {
            windowClass = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL
                | (row.align == TextAlign::Center ? ES_CENTER : ES_LEFT);
            exStyle = WS_EX_CLIENTEDGE;
        }
        HWND child = CreateWindowExW(exStyle, windowClass, toWide(row.caption).c_str(), style, 0, 0,
            0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row.id))),
            instance_, nullptr);
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (windowClass == std::wstring_view(L"EDIT"))
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0); // no length limit of its own
        controls_[index(row.id)] = child;
    }
}

RECT Form1Window::pixels(int left, int top, int width, int height) const
{
    // Edges, not sizes, are rounded, so neighbours neither overlap nor part.
    return { twipsToPixels(left, dpi_), twipsToPixels(top, dpi_), twipsToPixels(left + width, dpi_),
        twipsToPixels(top + height, dpi_) };
}

RECT Form1Window::pictureRect() const
{
    const LayoutRow& row = layoutRow(Control::Image1);
    const int left = static_cast<int>(std::lround(pictureLeftTwips_ * dpi_ / kTwipsPerInch));
    const RECT home = pixels(row.left, row.top, row.width, row.height);
    return { left, home.top, left + (home.right - home.left), home.bottom };
}

void Form1Window::applyDpi(int dpi)
{
    dpi_ = dpi;
    for (const LayoutRow& row : layoutRows()) {
        const std::size_t i = index(row.id);
        DeleteObject(latinFonts_[i]);
        DeleteObject(arabicFonts_[i]);
        latinFonts_[i] = arabicFonts_[i] = nullptr;
        if (row.fontPoints > 0) {
            latinFonts_[i]
                = createControlFont(faces_.latin, faces_.latinHasArabicCharset, row, dpi);
            if (faces_.arabic != faces_.latin && row.kind == ControlKind::TextBox
                && !row.westernCharset)
                arabicFonts_[i] = createControlFont(faces_.arabic, true, row, dpi);
        }
        if (HWND child = controls_[i]) {
            const RECT r = pixels(row.left, row.top, row.width, row.height);
            MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(latinFonts_[i]), TRUE);
            updateFontFor(row.id);
        }
    }
    fitDisplayText();
    InvalidateRect(window_, nullptr, FALSE);
}

// The display's text stops where the memory indicator begins, and a text wider
// than what is left is set narrower, down to kNarrowest per cent: every result
// then shows whole, and a longer typed entry scrolls with the caret in sight.
void Form1Window::fitDisplayText()
{
    constexpr int kNarrowest = 80;
    HWND display = control(Control::TEXT1);
    HFONT normal = latinFonts_[index(Control::TEXT1)];
    const std::wstring text = toWide(this->text(Control::TEXT1));
    RECT client;
    GetClientRect(display, &client);
    const int indicator = twipsToPixels(indicatorOverlapTwips(), dpi_);
    HDC dc = GetDC(display);
    const auto widthIn = [&](HFONT font) {
        const HGDIOBJ old = SelectObject(dc, font);
        SIZE size {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        return static_cast<int>(size.cx);
    };
    const HGDIOBJ old = SelectObject(dc, normal);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    const int room = client.right - indicator - 2 * metrics.tmAveCharWidth / 3;

    HFONT font = normal;
    for (int stretch = 100; widthIn(font) > room && stretch > kNarrowest;) {
        stretch = std::max(kNarrowest, std::min(stretch - 1, stretch * room / widthIn(font)));
        LOGFONTW narrowed {};
        GetObjectW(normal, sizeof narrowed, &narrowed);
        narrowed.lfWidth = metrics.tmAveCharWidth * stretch / 100;
        if (font != normal)
            DeleteObject(font); // a try that was still too wide
        font = CreateFontIndirectW(&narrowed);
    }
    ReleaseDC(display, dc);
    if (reinterpret_cast<HFONT>(SendMessageW(display, WM_GETFONT, 0, 0)) != font)
        SendMessageW(display, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The narrowed font the display held before is let go only once it holds another.
    if (narrowFont_ && narrowFont_ != font)
        DeleteObject(narrowFont_);
    narrowFont_ = font != normal ? font : nullptr;
    SendMessageW(display, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, indicator));
}

// A box shows its text in the Latin face unless that lacks some of its letters.
void Form1Window::updateFontFor(Control id)
{
    const std::size_t i = index(id);
    if (!arabicFonts_[i])
        return;
    HFONT font = hasGlyphsFor(latinFonts_[i], text(id)) ? latinFonts_[i] : arabicFonts_[i];
    if (reinterpret_cast<HFONT>(SendMessageW(controls_[i], WM_GETFONT, 0, 0)) != font)
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

RECT Form1Window::labelInkRect(Control label) const
{
    // A caption may reach below its label's box (descenders in a tight box); the
    // whole of it is drawn and repainted.
    const LayoutRow& row = layoutRow(label);
    RECT box = pixels(row.left, row.top, row.width, row.height);
    RECT ink = box;
    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, latinFonts_[index(label)]);
    const std::wstring caption = toWide(row.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &ink,
        DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    const int spill = std::max(0L, (ink.right - ink.left) - (box.right - box.left)) / 2 + 1;
    return { box.left - spill, box.top, box.right + spill, std::max(box.bottom, ink.bottom) };
}

void Form1Window::drawLabel(HDC dc, const LayoutRow& row)
{
    const HGDIOBJ old = SelectObject(dc, latinFonts_[index(row.id)]);
    SetTextColor(dc, colorRef(foreColors_[index(row.id)]));
    SetBkMode(dc, TRANSPARENT);
    RECT box = pixels(row.left, row.top, row.width, row.height);
    const std::wstring caption = toWide(row.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
        DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, old);
}

void Form1Window::paint()
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window_, &paint);
    const RECT& area = paint.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        // Drawn off screen first, so the sliding picture never flickers.
        HDC dc = CreateCompatibleDC(target);
        HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
        const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
        FillRect(dc, &area, background_);
        for (const LayoutRow& row : layoutRows()) {
            if (row.kind == ControlKind::Label) {
                drawLabel(dc, row);
            } else if (row.kind == ControlKind::Picture && portrait_) {
                const RECT where = pictureRect();
                HDC picture = CreateCompatibleDC(dc);
                const HGDIOBJ oldPicture = SelectObject(picture, portrait_);
                BITMAP size {};
                GetObjectW(portrait_, sizeof size, &size);
                SetStretchBltMode(dc, HALFTONE);
                StretchBlt(dc, where.left, where.top, where.right - where.left,
                    where.bottom - where.top, picture, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
                SelectObject(picture, oldPicture);
                DeleteDC(picture);
            }
        }
        BitBlt(target, area.left, area.top, width, height, dc, area.left, area.top, SRCCOPY);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    EndPaint(window_, &paint);
}

LRESULT Form1Window::controlColors(HDC dc, HWND child)
{
    const LayoutRow& row = layoutRow(controlOf(child));
    SetTextColor(dc, colorRef(row.foreground));
    SetBkColor(dc, colorRef(row.background));
    if (color::isSystem(row.background))
        return reinterpret_cast<LRESULT>(GetSysColorBrush(static_cast<int>(row.background & 0xFF)));
    return reinterpret_cast<LRESULT>(displayBackground_);
}

Control Form1Window::controlOf(HWND child) const
{
    return static_cast<Control>(GetDlgCtrlID(child) - kFirstControlId);
}

void Form1Window::clicked(int id)
{
    const int i = id - kFirstControlId;
    if (i < 0 || i >= static_cast<int>(kControlCount))
        return; // Enter and Escape send IDOK and IDCANCEL, which no key has
    if (const Form1::Handler handler = clickHandlers_[static_cast<std::size_t>(i)])
        (form_.*handler)();
}

bool Form1Window::handleDialogKey(MSG& message)
{
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        // The system's dialog keys would follow the stacking order, which here
        // differs from the tab order (the memory box stands in front of the display).
        const auto order = tabOrder();
        const int count = static_cast<int>(order.size());
        const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
        int at = count - 1;
        for (int i = 0; i < count; ++i)
            if (control(order[static_cast<std::size_t>(i)]) == GetFocus())
                at = i;
        for (int tries = 1; tries < count; ++tries) {
            at = (at + step) % count;
            HWND next = control(order[static_cast<std::size_t>(at)]);
            if (next && IsWindowVisible(next) && IsWindowEnabled(next)
                && (GetWindowLongW(next, GWL_STYLE) & WS_TABSTOP)) {
                SetFocus(next);
                if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                    SendMessageW(next, EM_SETSEL, 0, -1);
                break;
            }
        }
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
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
        if (HIWORD(wParam) == BN_CLICKED)
            clicked(LOWORD(wParam));
        else if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == controlId(Control::TEXT1))
            fitDisplayText();
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId)
            form_.Timer1_Timer();
        return 0;
    case WM_PAINT:
        paint();
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
    case WM_SYSCOLORCHANGE:
        InvalidateRect(window_, nullptr, FALSE);
        break;
    case WM_DESTROY:
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

std::u16string Form1Window::text(Control id) const
{
    HWND child = control(id);
    if (!child)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child)), L'\0');
    GetWindowTextW(child, text.data(), static_cast<int>(text.size()) + 1);
    return fromWide(text);
}

// Writes skip unchanged values: the clock and the phrase are rewritten on every
// tick, and only what really changed should be repainted.
void Form1Window::setText(Control id, std::u16string_view value)
{
    HWND child = control(id);
    if (!child || text(id) == value)
        return;
    const std::wstring text = toWide(value);
    SetWindowTextW(child, text.c_str());
    updateFontFor(id);
    if (id == Control::TEXT1) // the caret after the last character, as after typing
        SendMessageW(child, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
}

// The edit box replaces only the selection at its end, and leaves the caret there.
void Form1Window::appendText(Control id, std::u16string_view text)
{
    HWND child = control(id);
    const LRESULT length = GetWindowTextLengthW(child);
    SendMessageW(child, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(child, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

void Form1Window::removeTextEnd(Control id, std::size_t units)
{
    HWND child = control(id);
    const LRESULT length = GetWindowTextLengthW(child);
    SendMessageW(
        child, EM_SETSEL, static_cast<WPARAM>(length - static_cast<LRESULT>(units)), length);
    SendMessageW(child, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

void Form1Window::setFocus(Control id)
{
    lastFocus_ = control(id);
    SetFocus(lastFocus_);
}

void Form1Window::setVisible(Control id, bool visible)
{
    ShowWindow(control(id), visible ? SW_SHOWNA : SW_HIDE);
}

void Form1Window::setForeColor(Control id, std::uint32_t bgr)
{
    if (foreColors_[index(id)] == bgr)
        return;
    foreColors_[index(id)] = bgr;
    const RECT ink = labelInkRect(id);
    InvalidateRect(window_, &ink, FALSE);
}

float Form1Window::left(Control id) const
{
    return id == Control::Image1 ? pictureLeftTwips_ : static_cast<float>(layoutRow(id).left);
}

void Form1Window::setLeft(Control id, float twips)
{
    if (id != Control::Image1)
        return; // nothing else moves
    const RECT before = pictureRect();
    pictureLeftTwips_ = twips;
    const RECT after = pictureRect();
    if (before.left == after.left)
        return;
    InvalidateRect(window_, &before, FALSE);
    InvalidateRect(window_, &after, FALSE);
}

int Form1Window::messageBox(std::u16string_view text, int style)
{
    return MessageBoxW(
        window_, toWide(text).c_str(), toWide(kApplicationTitle).c_str(), static_cast<UINT>(style));
}

void Form1Window::quit()
{
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
}

// Where the user's long time would not show whole in the clock's two lines at
// every hour, the 24-hour time without a day-half name takes its place; worked
// out on the first tick, with the box's own font and width.
std::u16string Form1Window::currentDateTimeText() const
{
    if (!clockTimeFlags_) {
        SYSTEMTIME widest {};
        widest.wYear = 2026;
        widest.wMonth = 12;
        widest.wDay = 28;
        widest.wMinute = widest.wSecond = 58;
        clockTimeFlags_ = 0;
        for (const WORD hour : { 10, 22 }) {
            widest.wHour = hour;
            if (displayBoxLineCount(control(Control::Text3), generalDateText(widest)) > 2)
                clockTimeFlags_ = TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER;
        }
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    return generalDateText(now, *clockTimeFlags_);
}

} // namespace ui::win32
