#include "clock_text.h"

#include <emscripten/emscripten.h>

namespace {

constexpr int kLongest = 128; // UTF-16 units; no locale's date and time come near it

// clang-format off
EM_JS(void, orvi_now, (int* when), {
    const now = new Date();
    HEAP32.set([now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(),
        now.getMinutes(), now.getSeconds()], when >> 2);
});

EM_JS(int, orvi_clock_text, (int form, const int* when, char16_t* buffer, int capacity), {
    const at = when >> 2;
    const text = OrviPage.clockText(form, new Date(HEAP32[at], HEAP32[at + 1] - 1, HEAP32[at + 2],
        HEAP32[at + 3], HEAP32[at + 4], HEAP32[at + 5])).slice(0, capacity);
    OrviPage.copyText(text, buffer);
    return text.length;
});
// clang-format on

} // namespace

namespace ui::web {

LocalTime localNow()
{
    int when[6] {};
    orvi_now(when);
    return { when[0], when[1], when[2], when[3], when[4], when[5] };
}

std::u16string clockText(ClockForm form, const LocalTime& when)
{
    const int fields[6] { when.year, when.month, when.day, when.hour, when.minute, when.second };
    char16_t buffer[kLongest];
    const int length = orvi_clock_text(static_cast<int>(form), fields, buffer, kLongest);
    return std::u16string(buffer, static_cast<std::size_t>(length));
}

} // namespace ui::web
