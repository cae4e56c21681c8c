#include "form1_window.h"

#include "announcer.h"
#include "assets.h"
#include "control_factory.h"
#include "display_box.h"
#include "lines_box.h"
#include "qt_text.h"
#include "system_colors.h"
#include "ui/layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QIcon>
#include <QScreen>
#include <QWindow>

namespace ui::qt {

Form1Window::Form1Window(MessagePresenter& messages, QWidget* parent)
    : QWidget(parent)
    , messages_(messages)
    , palette_(systemColors(QApplication::palette()))
    , clock_(QLocale::system())
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
    background.setColor(QPalette::Window, toQColor(palette_.window()));
    setPalette(background);
    setAutoFillBackground(true);

    // Created back to front, so each control is stacked in front of those before it.
    for (const LayoutRow& control : layoutRows())
        controls_[static_cast<std::size_t>(control.id)] = createControl(control, this, palette_);
    const auto order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]), control(order[i]));

    announcer_ = new Announcer(this);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(row.timerIntervalMs);
    control(Control::TEXT1)->setFocus();
}

void Form1Window::bindEvents()
{
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind == ControlKind::Key)
            connect(static_cast<QAbstractButton*>(control(row.id)), &QAbstractButton::clicked, this,
                [this, key = row.id] { form_.click(key); });
    }
    connect(&timer_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });
    connect(&display(), &QLineEdit::textChanged, this, [this] { form_.displayChanged(); });
}

// The boxes' ink is measured in the screen's own pixels: on a screen of another
// scale their text is measured and laid out again.
void Form1Window::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle(); window && !screenWatched_) {
        screenWatched_ = true;
        connect(window, &QWindow::screenChanged, this, [this] { form_.measuresChanged(); });
    }
}

LinesBox& Form1Window::linesBox(Control box) const { return *static_cast<LinesBox*>(control(box)); }
DisplayBox& Form1Window::display() const
{
    return *static_cast<DisplayBox*>(control(Control::TEXT1));
}

std::u16string Form1Window::text(Control id) const
{
    QWidget* widget = control(id);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return toU16(line->text());
    if (auto* box = qobject_cast<LinesBox*>(widget))
        return toU16(box->text());
    return {};
}

// Unchanged values are not written again: only what really changed should be
// laid out and repainted.
void Form1Window::setText(Control id, std::u16string_view text)
{
    const QString value = toQString(text);
    if (auto* line = qobject_cast<QLineEdit*>(control(id)); line && line->text() != value)
        line->setText(value);
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

void Form1Window::setForeColor(Control id, std::uint32_t value)
{
    QWidget* widget = control(id);
    QPalette palette = widget->palette();
    const QColor color = toQColor(palette_.text(id, value));
    if (palette.color(QPalette::WindowText) == color)
        return;
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void Form1Window::setLeft(Control id, float twips)
{
    QWidget* widget = control(id);
    widget->move(qRound(twips / kTwipsPerPixel), widget->y());
}

Answer Form1Window::messageBox(std::u16string_view text, MessageBoxStyle style)
{
    return messages_.present(this, toQString(text), style);
}

void Form1Window::quit()
{
    timer_.stop();
    hide();
    emit quitRequested();
}

LocalTime Form1Window::now() const
{
    const QDateTime now = QDateTime::currentDateTime();
    return { now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
        now.time().minute(), now.time().second() };
}

std::u16string Form1Window::clockText(ClockForm form, const LocalTime& when) const
{
    return clock_.clockText(form, when);
}

BoxRoom Form1Window::boxRoom(Control box) const { return linesBox(box).room(); }

const LineMeasurer& Form1Window::lineMeasurer(Control box) const { return linesBox(box); }

void Form1Window::showLines(Control box, std::u16string_view text, const BoxLayout& layout)
{
    linesBox(box).showLines(toQString(text), layout);
}

const DisplayMeasurer& Form1Window::displayMeasurer() const { return display(); }

void Form1Window::setDisplayScale(DisplayScale scale) { display().setScale(scale); }

void Form1Window::announce(std::u16string_view text) { announcer_->announce(toQString(text)); }

} // namespace ui::qt
