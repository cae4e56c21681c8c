#pragma once

#include <cstddef>
#include <cstdint>

namespace ui {

// Every control of the calculator window, named as the handlers name them.
// The display alone is TEXT1, in capitals.
enum class Control : std::uint8_t {
    Label1,
    Label2,
    Image1,
    Text2,
    Text3,
    Text4,
    TEXT1,
    Timer1,
    Command1,
    Command2,
    Command3,
    Command4,
    Command5,
    Command6,
    Command7,
    Command8,
    Command9,
    Command10,
    Command11,
    Command12,
    Command13,
    Command14,
    Command15,
    Command16,
    Command17,
    Command18,
    Command19,
    Command20,
    Command21,
    Command22,
    Command23,
    Command24,
    Command25,
    Command26,
    Command27,
    Command28,
    Command29,
    Command30,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Command30) + 1;

} // namespace ui
