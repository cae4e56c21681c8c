#pragma once

#include "clock_text.h"
#include "message_boxes.h"
#include "ui/colors.h"
#include "ui/form1.h"
#include "ui/platform.h"

#include <QTimer>
#include <QWidget>

#include <array>

namespace ui::qt {

class Announcer;
class DisplayBox;
class LinesBox;

// The calculator window on Qt: builds every control from the layout table, tells
// Form1 of the clicks, the ticks and the display's changes, and measures, formats
// and draws for it.
class Form1Window final : public QWidget, public Platform {
    Q_OBJECT

public:
    explicit Form1Window(MessagePresenter& messages, QWidget* parent = nullptr);

    Form1& form() { return form_; }
    QWidget* control(Control id) const { return controls_[static_cast<std::size_t>(id)]; }
    QTimer& timer() { return timer_; }

    using QWidget::setVisible; // the window's own, beside the controls' below

    // Platform
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
    const DisplayMeasurer& displayMeasurer() const override;
    void setDisplayScale(DisplayScale scale) override;
    void announce(std::u16string_view text) override;

signals:
    // "OFF" was pressed: the application should end now.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void bindEvents();
    LinesBox& linesBox(Control box) const;
    DisplayBox& display() const;

    MessagePresenter& messages_;
    Palette palette_;
    ClockText clock_;
    std::array<QWidget*, kControlCount> controls_ {};
    Announcer* announcer_ = nullptr;
    bool screenWatched_ = false;
    QTimer timer_;
    Form1 form_;
};

} // namespace ui::qt
