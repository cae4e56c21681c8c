#include "message_boxes.h"

#include "ui/app_info.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The program waits here (asyncify) while the dialog is open. The captions cross
// as one text, a line feed between each; the answer is the place of the button.
// clang-format off
EM_ASYNC_JS(int, orvi_message_box, (const char16_t* title, int titleLength, const char16_t* text,
    int textLength, const char* icon, const char16_t* captions, int captionsLength), {
    return await OrviPage.messageBox(OrviPage.text(title, titleLength),
        OrviPage.text(text, textLength), UTF8ToString(icon),
        OrviPage.text(captions, captionsLength).split('\n'));
});
// clang-format on

const char* iconName(ui::MessageIcon icon)
{
    switch (icon) {
    case ui::MessageIcon::Critical:
        return "critical";
    case ui::MessageIcon::Information:
        return "information";
    case ui::MessageIcon::None:
        break;
    }
    return "";
}

int length(std::u16string_view text) { return static_cast<int>(text.size()); }

} // namespace

namespace ui::web {

Answer showMessageBox(std::u16string_view text, MessageBoxStyle style)
{
    const auto buttons = buttonsOf(style.buttons);
    std::u16string captions;
    for (const MessageButton& button : buttons)
        captions.append(captions.empty() ? u"" : u"\n").append(button.caption);
    const std::u16string_view title = kApplicationTitle;
    const int place = orvi_message_box(title.data(), length(title), text.data(), length(text),
        iconName(style.icon), captions.data(), length(captions));
    // A place out of range cannot come from the page's buttons: it answers as closing.
    const std::size_t chosen = place >= 0 && static_cast<std::size_t>(place) < buttons.size()
        ? static_cast<std::size_t>(place)
        : buttons.size() - 1;
    return buttons[chosen].answer;
}

} // namespace ui::web
