#pragma once

// Drives the engine the way the window does: one key at a time over a panel that
// records what the keys do to the display, the indicator and the focus.

#include "calc/arithmetic_keys.h"
#include "calc/entry_keys.h"
#include "calc/function_keys.h"
#include "calc/memory_keys.h"
#include "calc/runtime_error.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

class RecordingPanel final : public calc::CalculatorPanel {
public:
    std::u16string display;
    bool displayFocused = false;
    std::u16string indicatorText;
    bool indicatorVisible = true;
    int answer = kAnswerYes;
    std::vector<std::u16string> questions;

    std::u16string displayText() const override { return display; }
    void setDisplayText(std::u16string_view text) override
    {
        display = text;
        displayFocused = false; // only a focus after the write counts
    }
    void focusDisplay() override { displayFocused = true; }
    void setMemoryIndicatorText(std::u16string_view text) override { indicatorText = text; }
    void setMemoryIndicatorVisible(bool visible) override { indicatorVisible = visible; }
    int askYesNo(std::u16string_view question) override
    {
        questions.emplace_back(question);
        return answer;
    }
};

struct Calculator {
    calc::CalculatorState state;
    RecordingPanel panel;

    // Presses one key by its caption; returns the error it raised, or "".
    std::string press(std::string_view key)
    {
        try {
            dispatch(key);
        } catch (const calc::RuntimeError& error) {
            return error.what();
        }
        return {};
    }

    // Presses space-separated keys, going on after errors as the window does;
    // returns the errors raised, space-separated.
    std::string run(std::string_view keys)
    {
        std::string errors;
        std::size_t pos = 0;
        while (pos < keys.size()) {
            const std::size_t end = std::min(keys.find(' ', pos), keys.size());
            if (end > pos) {
                const std::string error = press(keys.substr(pos, end - pos));
                if (!error.empty())
                    errors += (errors.empty() ? "" : " ") + error;
            }
            pos = end + 1;
        }
        return errors;
    }

    std::string display() const { return ascii(panel.display); }

private:
    void dispatch(std::string_view key)
    {
        if (key.size() == 1 && ((key[0] >= '0' && key[0] <= '9') || key[0] == '.'))
            return calc::entryKey(state, panel, static_cast<char16_t>(key[0]));
        if (key == "C")
            return calc::backspaceKey(panel);
        if (key == "AC")
            return calc::clearKey(panel);
        if (key == "ON")
            return calc::onKey(panel);
        if (key == "+")
            return calc::operatorKey(state, panel, calc::Operation::Add);
        if (key == "-")
            return calc::operatorKey(state, panel, calc::Operation::Subtract);
        if (key == "*")
            return calc::operatorKey(state, panel, calc::Operation::Multiply);
        if (key == "/")
            return calc::operatorKey(state, panel, calc::Operation::Divide);
        if (key == "=")
            return calc::equalsKey(state, panel);
        if (key == "Sqr")
            return calc::squareRootKey(panel);
        if (key == "nI")
            return calc::logarithmKey(panel, 2);
        if (key == "Log")
            return calc::logarithmKey(panel, 10);
        if (key == "%")
            return calc::percentKey(panel);
        if (key == "M+")
            return calc::memoryAddKey(state, panel);
        if (key == "M-")
            return calc::memorySubtractKey(state, panel);
        if (key == "MS")
            return calc::memoryStoreKey(state, panel);
        if (key == "MR")
            return calc::memoryRecallKey(state, panel);
        if (key == "MC")
            return calc::memoryClearKey(state, panel);
        throw std::invalid_argument("unknown key in test: " + std::string(key));
    }
};

} // namespace testing_support
