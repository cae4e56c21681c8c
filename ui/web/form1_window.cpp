#include "form1_window.h"

#include "clock_text.h"
#include "colors.h"
#include "fonts.h"
#include "message_boxes.h"
#include "page.h"
#include "ui/layout.h"
#include "ui/text_fit.h"

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
    : form_(*this)
{
    for (const Form1::ClickBinding& binding : Form1::clickBindings())
        clickHandlers_[index(binding.key)] = binding.handler;
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
        cssPixels(window.clientHeight), cssColor(window.background));
    for (const LayoutRow& row : layoutRows()) {
        if (row.kind == ControlKind::Timer)
            continue;
        foreColors_[index(row.id)] = row.foreground;
        ControlElement element { row.id, row.name, kindName(row.kind), row.caption,
            row.accessibleName, cssPixels(row.left), cssPixels(row.top), cssPixels(row.width),
            cssPixels(row.height), cssFont(row), cssColor(row.foreground), cssColor(row.background),
            row.align == TextAlign::Center, row.multiLine, tabIndexOf(row.id),
            row.id == Control::TEXT1 ? cssPixels(indicatorOverlapTwips()) : 0 };
        page::createControl(element, this);
    }
    pictureLeftTwips_ = static_cast<float>(layoutRow(Control::Image1).left);
}

void Form1Window::click(Control key)
{
    if (const Form1::Handler handler = clickHandlers_[index(key)]; handler && running_)
        (form_.*handler)();
}

void Form1Window::tick()
{
    if (running_)
        form_.Timer1_Timer();
}

std::u16string Form1Window::text(Control id) const { return page::text(id); }

// The clock and the phrase are written on every tick; an unchanged text is left as
// it is, so only a change is laid out and fitted again.
void Form1Window::setText(Control id, std::u16string_view text)
{
    for (WrappingBox& box : wrappingBoxes_) {
        if (box.id() == id)
            return box.setText(text);
    }
    if (page::setText(id, text) && id == Control::TEXT1)
        displayEdited();
}

void Form1Window::appendText(Control id, std::u16string_view text)
{
    page::editEnd(id, 0, text);
    if (id == Control::TEXT1)
        displayEdited();
}

void Form1Window::removeTextEnd(Control id, std::size_t units)
{
    page::editEnd(id, units, u"");
    if (id == Control::TEXT1)
        displayEdited();
}

// Text laid out in a stand-in face, before the page's own had arrived, is laid out
// again in it.
void Form1Window::facesLoaded()
{
    for (WrappingBox& box : wrappingBoxes_)
        box.layOutAgain();
    displayEdited();
}

// The display's text stops where the memory box begins. A result shows whole: set
// narrower, then smaller as well; a longer typed entry is set narrower as far as
// that goes and scrolls, its end in sight.
void Form1Window::displayEdited()
{
    const DisplayScale scale = displayScale(page::text(Control::TEXT1), page::room(Control::TEXT1),
        [](std::u16string_view piece) { return page::naturalWidth(Control::TEXT1, piece); });
    page::setScale(Control::TEXT1, scale.stretch, scale.size);
    page::showEnd(Control::TEXT1);
}

void Form1Window::setFocus(Control id) { page::focus(id); }

void Form1Window::setVisible(Control id, bool visible) { page::setVisible(id, visible); }

void Form1Window::setForeColor(Control id, std::uint32_t bgr)
{
    if (foreColors_[index(id)] == bgr)
        return;
    foreColors_[index(id)] = bgr;
    page::setColor(id, cssColor(bgr));
}

float Form1Window::left(Control id) const
{
    return id == Control::Image1 ? pictureLeftTwips_ : static_cast<float>(layoutRow(id).left);
}

void Form1Window::setLeft(Control id, float twips)
{
    if (id != Control::Image1)
        return; // nothing else moves
    pictureLeftTwips_ = twips;
    page::setLeft(id, cssPixels(twips));
}

int Form1Window::messageBox(std::u16string_view text, int style)
{
    return showMessageBox(text, style);
}

void Form1Window::quit()
{
    running_ = false;
    page::end();
}

std::u16string Form1Window::currentDateTimeText() const { return clockText(Control::Text3); }

} // namespace ui::web

// The page calls these: a key's click, the timer's tick, typing into the display
// and the arrival of a face. A click may wait for a message box, during which ticks go on.
extern "C" {
EMSCRIPTEN_KEEPALIVE void orvi_click(ui::web::Form1Window* window, int key)
{
    window->click(static_cast<ui::Control>(key));
}

EMSCRIPTEN_KEEPALIVE void orvi_tick(ui::web::Form1Window* window) { window->tick(); }

EMSCRIPTEN_KEEPALIVE void orvi_display_edited(ui::web::Form1Window* window)
{
    window->displayEdited();
}

EMSCRIPTEN_KEEPALIVE void orvi_faces_loaded(ui::web::Form1Window* window) { window->facesLoaded(); }
}
