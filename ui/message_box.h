#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

// What a message box shows beside its text and the application title.
enum class MessageIcon : std::uint8_t { None, Critical, Information };
enum class MessageButtons : std::uint8_t { Ok, YesNo };

// The button that closed a box.
enum class Answer : std::uint8_t { Ok, Yes, No };

struct MessageBoxStyle {
    MessageIcon icon;
    MessageButtons buttons;
    bool operator==(const MessageBoxStyle&) const = default;
};

// The errors, the about message and the memory question.
inline constexpr MessageBoxStyle kErrorBox { MessageIcon::Critical, MessageButtons::Ok };
inline constexpr MessageBoxStyle kAboutBox { MessageIcon::Information, MessageButtons::Ok };
inline constexpr MessageBoxStyle kQuestionBox { MessageIcon::None, MessageButtons::YesNo };

struct MessageButton {
    Answer answer;
    std::u16string_view caption;
};

// A box's buttons from left to right. The first is the default, which Enter presses;
// the last is what Escape or closing the box answers.
std::span<const MessageButton> buttonsOf(MessageButtons buttons);

} // namespace ui
