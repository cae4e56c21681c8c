#include "page.h"

#include <emscripten/emscripten.h>

namespace {

// clang-format off
EM_JS(void, orvi_create_window, (const char16_t* caption, int captionLength, double width,
    double height, const char* background), {
    OrviPage.createWindow(OrviPage.text(caption, captionLength), width, height,
        UTF8ToString(background));
});

EM_JS(void, orvi_create_control, (int number, const char* name, const char* kind,
    const char16_t* caption, int captionLength, const char* accessibleName,
    const char* description, double left, double top, double width, double height,
    const char* font, const char* color, const char* background, int center, int multiLine,
    int tabIndex, double roomRight, void* owner), {
    OrviPage.createControl({
        number: number, name: UTF8ToString(name), kind: UTF8ToString(kind),
        caption: OrviPage.text(caption, captionLength),
        accessibleName: UTF8ToString(accessibleName), description: UTF8ToString(description),
        left: left, top: top, width: width, height: height, font: UTF8ToString(font),
        color: UTF8ToString(color), background: UTF8ToString(background),
        center: center !== 0, multiLine: multiLine !== 0, tabIndex: tabIndex,
        roomRight: roomRight, owner: owner
    });
});

EM_JS(int, orvi_system_color, (const char* keyword), {
    return OrviPage.systemColor(UTF8ToString(keyword));
});

EM_JS(int, orvi_text_length, (int number), { return OrviPage.value(number).length; });

EM_JS(void, orvi_copy_text, (int number, char16_t* buffer), {
    OrviPage.copyText(OrviPage.value(number), buffer);
});

EM_JS(int, orvi_set_text, (int number, const char16_t* text, int length), {
    return OrviPage.setValue(number, OrviPage.text(text, length)) ? 1 : 0;
});

EM_JS(void, orvi_edit_end, (int number, int removeUnits, const char16_t* text, int length), {
    OrviPage.editEnd(number, removeUnits, OrviPage.text(text, length));
});

EM_JS(void, orvi_focus, (int number), { OrviPage.focusByProgram(number); });

EM_JS(void, orvi_focus_on_show, (int number), {
    requestAnimationFrame(() => OrviPage.focusByProgram(number));
});

EM_JS(void, orvi_set_visible, (int number, int visible), {
    OrviPage.control(number).hidden = visible === 0;
});

EM_JS(void, orvi_set_color, (int number, const char* color), {
    OrviPage.control(number).style.color = UTF8ToString(color);
});

EM_JS(void, orvi_set_left, (int number, double pixels), {
    OrviPage.control(number).style.left = pixels + 'px';
});

EM_JS(void, orvi_start_timer, (void* owner, int milliseconds), {
    OrviPage.startTimer(owner, milliseconds);
});

EM_JS(void, orvi_end, (), { OrviPage.end(); });

EM_JS(void, orvi_announce, (const char16_t* text, int length), {
    OrviPage.announce(OrviPage.text(text, length));
});
// clang-format on

int number(ui::Control id) { return static_cast<int>(id); }
int length(std::u16string_view text) { return static_cast<int>(text.size()); }

} // namespace

namespace ui::web::page {

void createWindow(
    std::u16string_view caption, double width, double height, const std::string& background)
{
    orvi_create_window(caption.data(), length(caption), width, height, background.c_str());
}

void createControl(const ControlElement& c, Form1Window* owner)
{
    const std::string name(c.name);
    const std::string kind(c.kind);
    const std::string accessibleName(c.accessibleName);
    const std::string description(c.description);
    orvi_create_control(number(c.id), name.c_str(), kind.c_str(), c.caption.data(),
        length(c.caption), accessibleName.c_str(), description.c_str(), c.left, c.top, c.width,
        c.height, c.font.c_str(), c.color.c_str(), c.background.c_str(), c.center, c.multiLine,
        c.tabIndex, c.roomRight, owner);
}

Rgb systemColor(const char* keyword)
{
    const auto rgb = static_cast<std::uint32_t>(orvi_system_color(keyword));
    return { static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
        static_cast<std::uint8_t>(rgb) };
}

std::u16string text(Control id)
{
    std::u16string text(static_cast<std::size_t>(orvi_text_length(number(id))), u'\0');
    orvi_copy_text(number(id), text.data());
    return text;
}

bool setText(Control id, std::u16string_view text)
{
    return orvi_set_text(number(id), text.data(), length(text)) != 0;
}

void editEnd(Control id, std::size_t removeUnits, std::u16string_view text)
{
    orvi_edit_end(number(id), static_cast<int>(removeUnits), text.data(), length(text));
}

void focus(Control id) { orvi_focus(number(id)); }
void focusOnShow(Control id) { orvi_focus_on_show(number(id)); }
void setVisible(Control id, bool visible) { orvi_set_visible(number(id), visible); }
void setColor(Control id, const std::string& color) { orvi_set_color(number(id), color.c_str()); }
void setLeft(Control id, double pixels) { orvi_set_left(number(id), pixels); }
void startTimer(Form1Window* owner, int milliseconds) { orvi_start_timer(owner, milliseconds); }
void end() { orvi_end(); }
void announce(std::u16string_view text) { orvi_announce(text.data(), length(text)); }

} // namespace ui::web::page
