#include "form1_window.h"

#include "clock_text.h"
#include "css_colors.h"
#include "fonts.h"
#include "message_boxes.h"
#include "page.h"
#include "ui/layout.h"
#include "ui/screen_fit.h"

#include <emscripten/emscripten.h>

namespace ui::web {

namespace {

// Twips as CSS pixels: 15 twips to a pixel, the browser's zoom scaling them.
constexpr double cssPixels(double twips) { return twips / kTwipsPerPixel; }

std::string_view kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Key:
        return "key";
    default:
        return "textbox";
    }
}

// The page's tab order is the table's: each tab stop is numbered by its place in
// it, from 1, and every other element stays out of it.
int tabIndexOf(Control id)
{
    const auto order = tabOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] == id)
            return static_cast<int>(i) + 1;
    return 0;
}

} // namespace

Form1Window::Form1Window()
    : palette_(browserSystemColors())
    , form_(*this)
{
    buildControls();
    page::focusOnShow(Control::TEXT1);
    form_.Form_Load();
    page::startTimer(this, windowRow().timerIntervalMs);
}

// Made back to front, each in front of those before it: the table's stacking.
void Form1Window::buildControls()
{
    const WindowRow& window = windowRow();
    page::createWindow(window.caption, cssPixels(window.clientWidth),
        cssPixels(window.clientHeight), cssColor(palette_.window()));
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind == ControlKind::Timer)
            continue;
        foreColors_[index(row.id)] = row.foreground;
        const bool hasText = row.foreground != color::kTransparent;
        ControlElement element { row.id, row.name, kindName(row.kind), row.caption,
            row.accessibleName, row.description, cssPixels(row.left), cssPixels(row.top),
            cssPixels(row.width), cssPixels(row.height), cssFont(row),
            hasText ? cssColor(palette_.text(row.id)) : std::string(),
            cssColor(palette_.background(row.id)), row.align == TextAlign::Center, row.multiLine,
            tabIndexOf(row.id), row.id == Control::TEXT1 ? cssPixels(indicatorOverlapTwips()) : 0 };
        page::createControl(element, this);
    }
}

void Form1Window::click(Control key)
{
    if (running_)
        form_.click(key);
}

void Form1Window::tick()
{
    if (running_)
        form_.Timer1_Timer();
}

void Form1Window::displayChanged()
{
    if (running_)
        form_.displayChanged();
}

// Text measured in a stand-in face, before the page's own had arrived, is measured
// and laid out again in it.
void Form1Window::measuresChanged()
{
    if (running_)
        form_.measuresChanged();
}

std::u16string Form1Window::text(Control id) const { return page::text(id); }

void Form1Window::setText(Control id, std::u16string_view text)
{
    if (page::setText(id, text) && id == Control::TEXT1)
        form_.displayChanged();
}

void Form1Window::appendText(Control id, std::u16string_view text)
{
    page::editEnd(id, 0, text);
    if (id == Control::TEXT1)
        form_.displayChanged();
}

void Form1Window::removeTextEnd(Control id, std::size_t units)
{
    page::editEnd(id, units, u"");
    if (id == Control::TEXT1)
        form_.displayChanged();
}

void Form1Window::setFocus(Control id) { page::focus(id); }

void Form1Window::setVisible(Control id, bool visible) { page::setVisible(id, visible); }

// The banner sets the labels' colours on every tick; an unchanged one is left be.
void Form1Window::setForeColor(Control id, std::uint32_t color)
{
    if (foreColors_[index(id)] == color)
        return;
    foreColors_[index(id)] = color;
    page::setColor(id, cssColor(palette_.text(id, color)));
}

void Form1Window::setLeft(Control id, float twips) { page::setLeft(id, cssPixels(twips)); }

Answer Form1Window::messageBox(std::u16string_view text, MessageBoxStyle style)
{
    return showMessageBox(text, style);
}

void Form1Window::quit()
{
    running_ = false;
    page::end();
}

LocalTime Form1Window::now() const { return localNow(); }

std::u16string Form1Window::clockText(ClockForm form, const LocalTime& when) const
{
    return web::clockText(form, when);
}

BoxLines& Form1Window::lines(Control box)
{
    return box == Control::Text3 ? clockLines_ : phraseLines_;
}

const BoxLines& Form1Window::lines(Control box) const
{
    return box == Control::Text3 ? clockLines_ : phraseLines_;
}

BoxRoom Form1Window::boxRoom(Control box) const { return lines(box).room(); }

const LineMeasurer& Form1Window::lineMeasurer(Control box) const { return lines(box); }

void Form1Window::showLines(Control box, std::u16string_view text, const BoxLayout& layout)
{
    lines(box).show(text, layout);
}

const DisplayMeasurer& Form1Window::displayMeasurer() const { return display_; }

void Form1Window::setDisplayScale(DisplayScale scale) { display_.setScale(scale); }

void Form1Window::announce(std::u16string_view text) { page::announce(text); }

} // namespace ui::web

// The page calls these: a key's click, the timer's tick, typing into the display,
// the arrival of a face, and where the window or a message box goes on a screen of a
// size (scale, left, top, read before the next call). A click may wait for a message
// box, during which ticks go on and the screen may turn.
extern "C" {
EMSCRIPTEN_KEEPALIVE const double* orvi_place_on_screen(
    double width, double height, double screenWidth, double screenHeight)
{
    static double place[3];
    const ui::ScreenPlace found
        = ui::placeOnScreen({ width, height }, { screenWidth, screenHeight });
    place[0] = found.scale;
    place[1] = found.left;
    place[2] = found.top;
    return place;
}

EMSCRIPTEN_KEEPALIVE void orvi_click(ui::web::Form1Window* window, int key)
{
    window->click(static_cast<ui::Control>(key));
}

EMSCRIPTEN_KEEPALIVE void orvi_tick(ui::web::Form1Window* window) { window->tick(); }

EMSCRIPTEN_KEEPALIVE void orvi_display_changed(ui::web::Form1Window* window)
{
    window->displayChanged();
}

EMSCRIPTEN_KEEPALIVE void orvi_measures_changed(ui::web::Form1Window* window)
{
    window->measuresChanged();
}
}
