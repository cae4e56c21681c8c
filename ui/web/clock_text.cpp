#include "clock_text.h"

#include <emscripten/emscripten.h>

namespace {

constexpr int kLongest = 128; // UTF-16 units; no locale's date and time come near it

// clang-format off
EM_JS(int, orvi_clock_text, (char16_t* buffer, int capacity), {
    if (!OrviPage.dateFormat) {
        OrviPage.dateFormat = new Intl.DateTimeFormat(undefined, { dateStyle: 'short' });
        OrviPage.timeFormat = new Intl.DateTimeFormat(undefined, { timeStyle: 'medium' });
    }
    const now = new Date();
    const text = (OrviPage.dateFormat.format(now) + '\n' + OrviPage.timeFormat.format(now))
        .slice(0, capacity);
    OrviPage.copyText(text, buffer);
    return text.length;
});
// clang-format on

} // namespace

namespace ui::web {

std::u16string clockText()
{
    char16_t buffer[kLongest];
    return std::u16string(buffer, static_cast<std::size_t>(orvi_clock_text(buffer, kLongest)));
}

} // namespace ui::web
