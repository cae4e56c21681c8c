#pragma once

// Drives the calculator as a user does: keys clicked by their captions on the
// window's Form1, over a platform without a toolkit. A caption finds its key in
// the layout table and the key its handler, so every case also checks that the
// key is wired to the right behaviour.

#include "ui/app_info.h"
#include "ui/fake_platform.h"
#include "ui/form1.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace testing_support {

// Names each case of a parameterised test after the `name` its row gives.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

inline std::u16string u16(std::string_view ascii) { return { ascii.begin(), ascii.end() }; }

inline std::string ascii(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

struct Calculator {
    FakePlatform platform;
    ui::Form1 form { platform };

    // The memory question is answered No unless a test says otherwise.
    Calculator()
    {
        platform.nextAnswer = ui::Answer::No;
        form.Form_Load();
    }

    // Clicks space-separated keys, going on after errors as the window does; returns
    // the errors reported, space-separated. An error box that is not a critical box
    // with one OK button says so in the result.
    std::string run(std::string_view keys)
    {
        std::string errors;
        for (std::size_t at = 0; at < keys.size();) {
            const std::size_t end = std::min(keys.find(' ', at), keys.size());
            const std::size_t boxes = platform.boxes.size();
            if (end > at)
                click(keys.substr(at, end - at));
            for (std::size_t i = boxes; i < platform.boxes.size(); ++i) {
                const FakePlatform::Box& box = platform.boxes[i];
                if (box.style == ui::kQuestionBox || box.text == ui::kAboutMessage)
                    continue; // the memory question and the about box are no errors
                errors += errors.empty() ? "" : " ";
                errors += ascii(box.text);
                if (box.style != ui::kErrorBox)
                    errors += " (not an error box)";
            }
            at = end + 1;
        }
        return errors;
    }

    void type(std::string_view text) { platform.textOf(ui::Control::TEXT1) = u16(text); }
    std::string display() const { return ascii(platform.text(ui::Control::TEXT1)); }
    const calc::CalculatorState& state() const { return form.calculatorState(); }
    bool displayFocused() const { return platform.focused == ui::Control::TEXT1; }
    bool indicatorShown() const
    {
        return platform.visible[FakePlatform::index(ui::Control::Text2)];
    }

private:
    void click(std::string_view caption)
    {
        for (const ui::LayoutRow& row : ui::layoutRows()) {
            if (row.kind != ui::ControlKind::Key || row.caption != u16(caption))
                continue;
            platform.focused = row.id; // a click gives the key the focus
            return form.click(row.id);
        }
        ADD_FAILURE() << "no key " << caption;
    }
};

} // namespace testing_support
