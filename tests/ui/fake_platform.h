#pragma once

#include "ui/platform.h"

#include <array>
#include <string>
#include <vector>

namespace testing_support {

// A window without a toolkit: remembers what the handlers write and answers
// message boxes from a script.
class FakePlatform final : public ui::Platform {
public:
    struct Box {
        std::u16string text;
        int style;
    };

    std::array<std::u16string, ui::kControlCount> texts {};
    std::array<bool, ui::kControlCount> visible {};
    std::array<std::uint32_t, ui::kControlCount> foreColors {};
    std::array<float, ui::kControlCount> lefts {};
    ui::Control focused = ui::Control::TEXT1;
    std::vector<Box> boxes;
    int nextAnswer = ui::box::kOk;
    bool quitCalled = false;
    std::u16string now = u"12/6/2026 8:15:00 PM";

    FakePlatform()
    {
        visible.fill(true);
        lefts[index(ui::Control::Image1)] = 3840;
    }

    static std::size_t index(ui::Control c) { return static_cast<std::size_t>(c); }
    std::u16string& textOf(ui::Control c) { return texts[index(c)]; }

    std::u16string text(ui::Control c) const override { return texts[index(c)]; }
    void setText(ui::Control c, std::u16string_view t) override { texts[index(c)] = t; }
    void appendText(ui::Control c, std::u16string_view t) override { texts[index(c)] += t; }
    void removeTextEnd(ui::Control c, std::size_t units) override
    {
        texts[index(c)].resize(texts[index(c)].size() - units);
    }
    void setFocus(ui::Control c) override { focused = c; }
    void setVisible(ui::Control c, bool v) override { visible[index(c)] = v; }
    void setForeColor(ui::Control c, std::uint32_t bgr) override { foreColors[index(c)] = bgr; }
    float left(ui::Control c) const override { return lefts[index(c)]; }
    void setLeft(ui::Control c, float twips) override { lefts[index(c)] = twips; }
    int messageBox(std::u16string_view t, int style) override
    {
        boxes.push_back({ std::u16string(t), style });
        return nextAnswer;
    }
    void quit() override { quitCalled = true; }
    std::u16string currentDateTimeText() const override { return now; }
};

} // namespace testing_support
