#pragma once

#include "clock_text.h"
#include "message_boxes.h"
#include "ui/form1.h"
#include "ui/platform.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

namespace ui {

// The calculator window on Qt: builds every control from the layout table, binds
// their events to Form1's handlers, and gives Form1 its platform operations.
class Form1Window final : public QWidget, public Platform {
    Q_OBJECT

public:
    explicit Form1Window(MessagePresenter& messages, QWidget* parent = nullptr);

    Form1& form() { return form_; }
    QWidget* control(Control id) const { return controls_[static_cast<std::size_t>(id)]; }
    QTimer& timer() { return timer_; }
    // The clock's formats for a locale, chosen to show whole in the clock's box.
    ClockFormat clockFormat(const QLocale& locale) const;

    using QWidget::setVisible; // the window's own, beside the controls' below

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

signals:
    // "OFF" was pressed: the application should end now.
    void quitRequested();

private:
    void buildControls();
    void bindEvents();

    MessagePresenter& messages_;
    std::array<QWidget*, kControlCount> controls_ {};
    float pictureLeftTwips_ = 0;               // kept unrounded: the picture moves in twips
    mutable std::optional<ClockFormat> clock_; // worked out on the first tick
    QTimer timer_;
    Form1 form_;
};

} // namespace ui
