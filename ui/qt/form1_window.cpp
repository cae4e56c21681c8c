#include "form1_window.h"

#include "assets.h"
#include "control_factory.h"
#include "control_font.h"
#include "qt_text.h"
#include "system_colors.h"
#include "ui/layout.h"
#include "wrapping_text_box.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QIcon>
#include <QLineEdit>

namespace ui {

Form1Window::Form1Window(MessagePresenter& messages, QWidget* parent)
    : QWidget(parent)
    , messages_(messages)
    , timer_(this)
    , form_(*this)
{
    buildControls();
    bindEvents();
    form_.Form_Load();
    timer_.start();
}

void Form1Window::buildControls()
{
    registerAssets();
    const WindowRow& row = windowRow();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(row.caption));
    setWindowIcon(QIcon(loadPicture(QStringLiteral(":/assets/eagle-32.png"))));
    resize(toPixels(row.clientWidth), toPixels(row.clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(row.background, background));
    setPalette(background);
    setAutoFillBackground(true);

    // Created back to front, so each control is stacked in front of those before it.
    for (const LayoutRow& control : layoutRows())
        controls_[static_cast<std::size_t>(control.id)] = createControl(control, this);
    const auto order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]), control(order[i]));

    pictureLeftTwips_ = static_cast<float>(layoutRow(Control::Image1).left);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(row.timerIntervalMs);
    control(Control::TEXT1)->setFocus();
}

void Form1Window::bindEvents()
{
    for (const Form1::ClickBinding& binding : Form1::clickBindings()) {
        auto* key = static_cast<QAbstractButton*>(control(binding.key));
        const Form1::Handler handler = binding.handler;
        connect(key, &QAbstractButton::clicked, this, [this, handler] { (form_.*handler)(); });
    }
    connect(&timer_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });
}

std::u16string Form1Window::text(Control id) const
{
    QWidget* widget = control(id);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return toU16(line->text());
    if (auto* box = qobject_cast<WrappingTextBox*>(widget))
        return toU16(box->text());
    return {};
}

// Writes skip unchanged values: the clock and phrase are rewritten on every tick,
// and only what really changed should be laid out and repainted.
void Form1Window::setText(Control id, std::u16string_view text)
{
    const QString value = toQString(text);
    QWidget* widget = control(id);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != value)
            line->setText(value);
    } else if (auto* box = qobject_cast<WrappingTextBox*>(widget)) {
        box->setText(value);
    }
}

// Only the display's end is edited; the line edit keeps the rest as it is.
void Form1Window::appendText(Control id, std::u16string_view text)
{
    if (auto* line = qobject_cast<QLineEdit*>(control(id))) {
        line->end(false);
        line->insert(toQString(text));
    }
}

void Form1Window::removeTextEnd(Control id, std::size_t units)
{
    if (auto* line = qobject_cast<QLineEdit*>(control(id))) {
        const QString text = line->text();
        const auto removed = static_cast<decltype(text.size())>(units);
        line->setSelection(text.size() - removed, removed);
        line->del();
    }
}

void Form1Window::setFocus(Control id) { control(id)->setFocus(Qt::OtherFocusReason); }

void Form1Window::setVisible(Control id, bool visible) { control(id)->setVisible(visible); }

void Form1Window::setForeColor(Control id, std::uint32_t bgr)
{
    QWidget* widget = control(id);
    QPalette palette = widget->palette();
    const QColor color = toQColor(bgr, palette);
    if (palette.color(QPalette::WindowText) == color)
        return;
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

float Form1Window::left(Control id) const
{
    return id == Control::Image1 ? pictureLeftTwips_ : static_cast<float>(layoutRow(id).left);
}

void Form1Window::setLeft(Control id, float twips)
{
    if (id == Control::Image1)
        pictureLeftTwips_ = twips;
    QWidget* widget = control(id);
    widget->move(qRound(twips / kTwipsPerPixel), widget->y());
}

int Form1Window::messageBox(std::u16string_view text, int style)
{
    return messages_.present(this, toQString(text), style);
}

void Form1Window::quit()
{
    timer_.stop();
    hide();
    emit quitRequested();
}

ClockFormat Form1Window::clockFormat(const QLocale& locale) const
{
    const auto* box = static_cast<const WrappingTextBox*>(control(Control::Text3));
    const int pixels = QFontInfo(controlFont(layoutRow(Control::Text3))).pixelSize();
    return ClockFormat(locale, pixels, [box](const QString& text, int size) {
        const WrappingTextBox::Fit fit = box->fit(text, size);
        return fit.whole && fit.lines == text.count(u'\n') + 1;
    });
}

std::u16string Form1Window::currentDateTimeText() const
{
    if (!clock_) {
        clock_ = clockFormat(QLocale::system());
        static_cast<WrappingTextBox*>(control(Control::Text3))->setTypeSize(clock_->typeSize());
    }
    return toU16(clock_->text(QDateTime::currentDateTime()));
}

} // namespace ui
