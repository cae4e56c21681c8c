#pragma once

#include "ui/platform.h"

#include <array>
#include <string>
#include <vector>

namespace testing_support {

// A face of fixed measure: every character `advance` pixels wide per 10 pixels of
// type, its ink from the line's top to `inkBottom` a type size.
class FakeMeasurer final : public ui::LineMeasurer, public ui::DisplayMeasurer {
public:
    double advance = 6;       // per 10 pixels of type
    double displayRoom = 300; // the display's room, in its own characters' widths of 10

    int width(std::u16string_view text, int pixels) const override
    {
        return static_cast<int>(text.size() * advance * pixels / 10 + 0.999);
    }
    std::optional<ui::Ink> ink(std::u16string_view text, int pixels) const override
    {
        if (text.find_first_not_of(u' ') == std::u16string_view::npos)
            return std::nullopt;
        return ui::Ink { 0, pixels / 5, width(text, pixels), pixels };
    }
    double room() const override { return displayRoom; }
    double naturalWidth(std::u16string_view text) const override { return 10.0 * text.size(); }
    double drawnWidth(std::u16string_view text, ui::DisplayScale scale) const override
    {
        return naturalWidth(text) * scale.stretch * scale.size;
    }
};

// A window without a toolkit: remembers what the handlers write and answers
// message boxes from a script.
class FakePlatform final : public ui::Platform {
public:
    struct Box {
        std::u16string text;
        ui::MessageBoxStyle style;
    };

    std::array<std::u16string, ui::kControlCount> texts {};
    std::array<bool, ui::kControlCount> visible {};
    std::array<std::uint32_t, ui::kControlCount> foreColors {};
    std::array<float, ui::kControlCount> lefts {};
    std::array<ui::BoxLayout, ui::kControlCount> layouts {};
    ui::Control focused = ui::Control::TEXT1;
    std::vector<Box> boxes;
    ui::Answer nextAnswer = ui::Answer::Ok;
    bool quitCalled = false;
    ui::LocalTime time { 2026, 12, 6, 20, 15, 0 };
    ui::DisplayScale displayScale;
    std::vector<std::u16string> announced;
    FakeMeasurer measurer;

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
    void setLeft(ui::Control c, float twips) override { lefts[index(c)] = twips; }
    ui::Answer messageBox(std::u16string_view t, ui::MessageBoxStyle style) override
    {
        boxes.push_back({ std::u16string(t), style });
        return nextAnswer;
    }
    void quit() override { quitCalled = true; }
    ui::LocalTime now() const override { return time; }
    // "6/12/2026" over "20:15:00", the hours without a day-half name on a 24-hour clock.
    std::u16string clockText(ui::ClockForm form, const ui::LocalTime& t) const override
    {
        const auto two = [](int n) {
            return std::u16string { char16_t(u'0' + n / 10), char16_t(u'0' + n % 10) };
        };
        const auto number = [](int n) {
            std::u16string s;
            for (const char c : std::to_string(n))
                s += char16_t(c);
            return s;
        };
        const bool twentyFour = form == ui::ClockForm::TwentyFourHours;
        const int hour = twentyFour ? t.hour : (t.hour + 11) % 12 + 1;
        return number(t.day) + u'/' + number(t.month) + u'/' + number(t.year) + u'\n' + number(hour)
            + u':' + two(t.minute) + u':' + two(t.second)
            + (twentyFour         ? u""
                    : t.hour < 12 ? u" AM"
                                  : u" PM");
    }
    ui::BoxRoom boxRoom(ui::Control c) const override
    {
        return c == ui::Control::Text3 ? ui::BoxRoom { 77, 37, 13 } : ui::BoxRoom { 85, 37, 15 };
    }
    const ui::LineMeasurer& lineMeasurer(ui::Control) const override { return measurer; }
    void showLines(ui::Control c, std::u16string_view t, const ui::BoxLayout& layout) override
    {
        texts[index(c)] = t;
        layouts[index(c)] = layout;
    }
    const ui::DisplayMeasurer& displayMeasurer() const override { return measurer; }
    void setDisplayScale(ui::DisplayScale scale) override { displayScale = scale; }
    void announce(std::u16string_view text) override { announced.emplace_back(text); }
};

} // namespace testing_support
