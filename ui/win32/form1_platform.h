#pragma once

#include "accessible_objects.h"
#include "control_windows.h"
#include "display.h"
#include "lines_box.h"
#include "painted_banner.h"
#include "ui/platform.h"
#include "window_colors.h"

#include <windows.h>

namespace ui::win32 {

// The parts of the calculator window Form1 reaches its controls through.
struct WindowParts {
    HWND& window;
    HWND& lastFocus; // where the focus returns when the window is active again
    ControlWindows& controls;
    WindowColors& colors;
    PaintedBanner& banner;
    Display& display;
    LinesBox& clock;
    LinesBox& phrase;
    AccessibleObjects& accessible;
};

// Form1's operations on the system's own controls.
class Form1Platform final : public Platform {
public:
    explicit Form1Platform(const WindowParts& parts)
        : parts_(parts)
    {
    }

    std::u16string text(Control control) const override;
    void setText(Control control, std::u16string_view text) override;
    void appendText(Control control, std::u16string_view text) override;
    void removeTextEnd(Control control, std::size_t units) override;
    void setFocus(Control control) override;
    void setVisible(Control control, bool visible) override;
    void setForeColor(Control control, std::uint32_t color) override;
    void setLeft(Control control, float twips) override;
    Answer messageBox(std::u16string_view text, MessageBoxStyle style) override;
    void quit() override;
    LocalTime now() const override;
    std::u16string clockText(ClockForm form, const LocalTime& when) const override;
    BoxRoom boxRoom(Control box) const override;
    const LineMeasurer& lineMeasurer(Control box) const override;
    void showLines(Control box, std::u16string_view text, const BoxLayout& layout) override;
    const DisplayMeasurer& displayMeasurer() const override { return parts_.display; }
    void setDisplayScale(DisplayScale scale) override { parts_.display.setScale(scale); }
    void announce(std::u16string_view text) override;

private:
    LinesBox& linesBox(Control box) const;

    WindowParts parts_;
};

} // namespace ui::win32
