#include "clock_form.h"

#include <algorithm>
#include <vector>

namespace ui {

std::array<LocalTime, 24> widestClockTimes()
{
    std::array<LocalTime, 24> times {};
    for (int month = 1; month <= 12; ++month) {
        times[static_cast<std::size_t>(2 * month - 2)] = { 2026, month, 28, 10, 58, 58 };
        times[static_cast<std::size_t>(2 * month - 1)] = { 2026, month, 28, 22, 58, 58 };
    }
    return times;
}

ClockChoice chooseClockForm(
    const ClockFormatter& formatter, const BoxRoom& room, const LineMeasurer& measurer)
{
    // Forms that write the same texts as an earlier one need no second look.
    std::vector<std::pair<ClockForm, std::vector<std::u16string>>> forms;
    for (const ClockForm form : kClockForms) {
        std::vector<std::u16string> texts;
        for (const LocalTime& when : widestClockTimes())
            texts.push_back(formatter.clockText(form, when));
        if (std::none_of(
                forms.begin(), forms.end(), [&](const auto& f) { return f.second == texts; }))
            forms.emplace_back(form, std::move(texts));
    }
    const auto showsWhole = [&](const std::u16string& text, int pixels) {
        const BoxLayout layout = layOutBox(text, pixels, room, measurer);
        const auto paragraphs
            = static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n')) + 1;
        return layout.whole && layout.lines.size() == paragraphs;
    };
    const int smallest = smallestTypeSize(room.typeSize);
    for (int pixels = room.typeSize; pixels >= smallest; --pixels) {
        for (const auto& [form, texts] : forms) {
            if (std::all_of(texts.begin(), texts.end(),
                    [&](const std::u16string& text) { return showsWhole(text, pixels); }))
                return { form, pixels };
        }
    }
    return { ClockForm::TwentyFourHours, smallest };
}

} // namespace ui
