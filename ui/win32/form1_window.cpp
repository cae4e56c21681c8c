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
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The box styles are the system's own values.
static_assert(box::kOkOnly == MB_OK && box::kYesNo == MB_YESNO);
static_assert(box::kCritical == MB_ICONERROR && box::kQuestion == MB_ICONQUESTION);
static_assert(box::kExclamation == MB_ICONWARNING && box::kInformation == MB_ICONINFORMATION);
static_assert(box::kOk == IDOK && box::kYes == IDYES && box::kNo == IDNO);

} // namespace

// A 0x00BBGGRR colour is a COLORREF already; system colours name their index.
COLORREF Form1Window::colorRef(std::uint32_t value)
{
    return color::isSystem(value) ? GetSysColor(static_cast<int>(value & 0xFF)) : value;
}

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
    sourceDc_ = CreateCompatibleDC(nullptr);
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
    DeleteObject(background_);
    DeleteObject(displayBackground_);
    DeleteObject(portrait_);
    DeleteObject(scaledPortrait_);
    forgetLabelBands();
    DeleteDC(sourceDc_);
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

void Form1Window::applyDpi(int dpi)
{
    dpi_ = dpi;
    labelBandRect_ = {};
    for (const LayoutRow& row : layoutRows()) {
        const std::size_t i = index(row.id);
        DeleteObject(latinFonts_[i]);
        DeleteObject(arabicFonts_[i]);
        latinFonts_[i] = arabicFonts_[i] = nullptr;
        if (row.fontPoints > 0) {
            latinFonts_[i]
                = createControlFont(faces_.latin, faces_.latinHasArabicCharset, row, dpi);
            if (faces_.arabic != faces_.latin && row.multiLine)
                arabicFonts_[i] = createControlFont(faces_.arabic, true, row, dpi);
        }
        if (row.kind == ControlKind::Label) {
            labelInk_[i] = measureLabelInk(row.id);
            UnionRect(&labelBandRect_, &labelBandRect_, &labelInk_[i]);
        }
        if (HWND child = controls_[i]) {
            const RECT r = pixels(row.left, row.top, row.width, row.height);
            MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(latinFonts_[i]), TRUE);
            if (row.multiLine) // the phrase's letters, where the Latin face lacks them
                SendMessageW(child, kSetFallbackFont, reinterpret_cast<WPARAM>(arabicFonts_[i]), 0);
        }
    }
    scalePortrait();
    forgetLabelBands();
    // The banner's strip, from the top down to the picture's foot, is redrawn on
    // every tick.
    paintBuffer_.keep({ twipsToPixels(windowRow().clientWidth, dpi_), pictureRect().bottom });
    // The clock's form is worked out again at the next tick, for the new size.
    clockForm_.reset();
    SendMessageW(control(Control::Text3), kSetTypeSize, 0, 0);
    // The display's text stops short of the memory box, which stands in front of it.
    SendMessageW(control(Control::TEXT1), EM_SETMARGINS, EC_RIGHTMARGIN,
        MAKELPARAM(0, twipsToPixels(indicatorOverlapTwips(), dpi_)));
    fitDisplayText();
    InvalidateRect(window_, nullptr, FALSE);
}

void Form1Window::fitDisplayText()
{
    displayFit_.fit(control(Control::TEXT1), latinFonts_[index(Control::TEXT1)],
        twipsToPixels(indicatorOverlapTwips(), dpi_));
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
        forgetLabelBands(); // drawn in the system's colours of before
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

} // namespace ui::win32
