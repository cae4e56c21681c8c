// The yardstick for CalculatorOrvi2009's start-up and footprint: a bare Qt window
// with the same widgets (kinds, texts, places, colours, from the same layout table,
// and the program's own choice of faces) and a 500 ms timer, but no calculator, no
// banner, no clock, no pictures to decode and no icon. bench/desktop measures both
// side by side.

#include "ui/layout.h"
#include "ui/qt/control_font.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace {

QString text(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

int pixels(int twips) { return twips / ui::kTwipsPerPixel; }

QColor plainColor(std::uint32_t bgr)
{
    return QColor(ui::color::red(bgr), ui::color::green(bgr), ui::color::blue(bgr));
}

void setColor(QWidget* widget, QPalette::ColorRole role, std::uint32_t value)
{
    if (value == ui::color::kTransparent || ui::color::isSystem(value))
        return; // the style's own colour, as a system colour would be
    QPalette palette = widget->palette();
    palette.setColor(role, plainColor(value));
    widget->setPalette(palette);
}

QWidget* makeControl(const ui::LayoutRow& control, QWidget* window)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ui::ControlKind::Label:
        widget = new QLabel(text(control.caption), window);
        setColor(widget, QPalette::WindowText, control.foreground);
        break;
    case ui::ControlKind::Picture: {
        // A plain pixmap of the portrait's size: nothing to decode.
        QPixmap blank(pixels(control.width), pixels(control.height));
        blank.fill(Qt::darkGreen);
        auto* label = new QLabel(window);
        label->setPixmap(blank);
        widget = label;
        break;
    }
    case ui::ControlKind::Key:
        widget = new QPushButton(text(control.caption), window);
        break;
    case ui::ControlKind::TextBox:
        if (control.multiLine) {
            auto* box = new QTextEdit(window);
            box->setReadOnly(true);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            widget = box;
        } else {
            widget = new QLineEdit(window);
        }
        widget->setAutoFillBackground(true);
        setColor(widget, QPalette::Base, control.background);
        setColor(widget, QPalette::Text, control.foreground);
        break;
    case ui::ControlKind::Timer:
        return nullptr;
    }
    widget->setGeometry(
        pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height));
    if (control.fontPoints > 0)
        widget->setFont(ui::controlFont(control));
    return widget;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const ui::WindowRow& form = ui::windowRow();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(pixels(form.clientWidth), pixels(form.clientHeight));
    QPalette background = window.palette();
    background.setColor(QPalette::Window, plainColor(form.background));
    window.setPalette(background);
    window.setAutoFillBackground(true);
    for (const ui::LayoutRow& control : ui::layoutRows())
        makeControl(control, &window);

    QTimer timer;
    timer.setInterval(form.timerIntervalMs);
    QObject::connect(&timer, &QTimer::timeout, &window, [] {});
    timer.start();

    window.show();
    return QApplication::exec();
}
