#include "clock_text.h"

#include <emscripten/emscripten.h>

namespace {

constexpr int kLongest = 128; // UTF-16 units; no locale's date and time come near it

// clang-format off
EM_JS(int, orvi_clock_text, (int box, char16_t* buffer, int capacity), {
    if (!OrviPage.clock) {
        const element = OrviPage.control(box);
        const style = getComputedStyle(element);
        const room = element.clientWidth - parseFloat(style.paddingLeft)
            - parseFloat(style.paddingRight);
        const date = new Intl.DateTimeFormat(undefined, { dateStyle: "short" });
        const times = [
            new Intl.DateTimeFormat(undefined, { timeStyle: "medium" }),
            new Intl.DateTimeFormat(undefined,
                { hour: "numeric", minute: "2-digit", second: "2-digit", hourCycle: "h23" })
        ];
        const fits = (time) => {
            for (let month = 0; month < 12; ++month) {
                for (const hour of [10, 22]) {
                    const when = new Date(2026, month, 28, hour, 58, 58);
                    for (const line of [date.format(when), time.format(when)]) {
                        if (OrviPage.textWidth(line, element.dataset.font) > room) return false;
                    }
                }
            }
            return true;
        };
        OrviPage.clock = { date: date, time: times.find(fits) || times[times.length - 1] };
    }
    const now = new Date();
    const whole = (line) => line.replace(/ /g, String.fromCharCode(160));
    const text = (whole(OrviPage.clock.date.format(now)) + "\n"
        + whole(OrviPage.clock.time.format(now))).slice(0, capacity);
    OrviPage.copyText(text, buffer);
    return text.length;
});
// clang-format on

} // namespace

namespace ui::web {

std::u16string clockText(Control box)
{
    char16_t buffer[kLongest];
    return std::u16string(
        buffer, static_cast<std::size_t>(orvi_clock_text(static_cast<int>(box), buffer, kLongest)));
}

} // namespace ui::web
