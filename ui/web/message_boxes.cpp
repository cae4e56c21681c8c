#include "message_boxes.h"

#include "ui/app_info.h"
#include "ui/platform.h"

#include <emscripten/emscripten.h>

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;

// The program waits here (asyncify) while the dialog is open.
// clang-format off
EM_ASYNC_JS(int, orvi_message_box, (const char16_t* title, int titleLength, const char16_t* text,
    int textLength, const char* icon, int yesNo), {
    return await OrviPage.messageBox(OrviPage.text(title, titleLength),
        OrviPage.text(text, textLength), UTF8ToString(icon), yesNo !== 0);
});
// clang-format on

const char* iconFor(int style)
{
    switch (style & kIconMask) {
    case ui::box::kCritical:
        return "critical";
    case ui::box::kQuestion:
        return "question";
    case ui::box::kExclamation:
        return "exclamation";
    case ui::box::kInformation:
        return "information";
    default:
        return "";
    }
}

} // namespace

namespace ui::web {

int showMessageBox(std::u16string_view text, int style)
{
    const std::u16string_view title = kApplicationTitle;
    return orvi_message_box(title.data(), static_cast<int>(title.size()), text.data(),
        static_cast<int>(text.size()), iconFor(style), (style & kButtonsMask) == box::kYesNo);
}

} // namespace ui::web
