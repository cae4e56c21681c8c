#pragma once

#include "clock_text.h"
#include "display_fit.h"
#include "fonts.h"
#include "paint_buffer.h"
#include "ui/form1.h"
#include "ui/platform.h"

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

namespace ui::win32 {

// The calculator window on the system's own controls: builds every control from
// the layout table, draws the labels and the picture on its own surface, binds
// the keys and the timer to Form1's handlers, and gives Form1 its platform
// operations.
class Form1Window final : public Platform {
public:
    explicit Form1Window(HINSTANCE instance);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    HWND handle() const { return window_; }
    HWND control(Control id) const { return controls_[index(id)]; }
    void show(int showCommand);

    // Keyboard navigation for the message loop: Tab and Shift+Tab in the table's
    // order, Enter and the arrow keys as in a dialog. True when the message was
    // handled and must not be dispatched again.
    bool handleDialogKey(MSG& message);

    // Platform
    std::u16string text(Control control) const override;
    void setText(Control control, std::u16string_view text) override;
    void appendText(Control control, std::u16string_view text) override;
    void removeTextEnd(Control control, std::size_t units) override;
    void setFocus(Control control) override;
    void setVisible(Control control, bool visible) override;
    void setForeColor(Control control, std::uint32_t bgr) override;
    float left(Control control) const override;
    void setLeft(Control control, float twips) override;
    int messageBox(std::u16string_view text, int style) override;
    void quit() override;
    std::u16string currentDateTimeText() const override;

private:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr std::size_t index(Control id) { return static_cast<std::size_t>(id); }
    static COLORREF colorRef(std::uint32_t value);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void applyDpi(int dpi);
    void fitDisplayText();
    RECT pixels(int left, int top, int width, int height) const;
    RECT pictureRect() const;
    RECT measureLabelInk(Control label) const;
    void scalePortrait();
    HBITMAP labelBand();
    void forgetLabelBands();
    void copyImage(HDC dc, HBITMAP image, const RECT& where);
    void paint();
    void drawLabel(HDC dc, const LayoutRow& row);
    LRESULT controlColors(HDC dc, HWND child);
    void clicked(int id);
    Control controlOf(HWND child) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_ {};
    std::array<HFONT, kControlCount> latinFonts_ {};
    std::array<HFONT, kControlCount> arabicFonts_ {};
    DisplayFit displayFit_;
    std::array<std::uint32_t, kControlCount> foreColors_ {};
    std::array<Form1::Handler, kControlCount> clickHandlers_ {};
    FontFaces faces_;
    HBRUSH background_ = nullptr;
    HBRUSH displayBackground_ = nullptr;
    HBITMAP portrait_ = nullptr;
    HBITMAP scaledPortrait_ = nullptr;            // the portrait at its drawn size
    std::array<RECT, kControlCount> labelInk_ {}; // where each label's caption is drawn
    RECT labelBandRect_ {};                       // around every label's caption
    struct LabelBand {
        std::vector<std::uint32_t> colors; // each label's, in the table's order
        HBITMAP bitmap;
    };
    std::vector<LabelBand> labelBands_;
    HDC sourceDc_ = nullptr; // to copy the portrait and the label bands from
    PaintBuffer paintBuffer_;
    HWND lastFocus_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    float pictureLeftTwips_ = 0;                 // kept unrounded: the picture moves in twips
    mutable std::optional<ClockForm> clockForm_; // worked out on the first tick
    Form1 form_;
};

} // namespace ui::win32
