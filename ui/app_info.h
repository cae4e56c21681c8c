#pragma once

#include <string_view>

namespace ui {

// The application title: the window caption and the title of every message box.
inline constexpr std::u16string_view kApplicationTitle = u"CalculatorOrvi2009";
inline constexpr std::string_view kApplicationName = "CalculatorOrvi2009";
inline constexpr std::string_view kApplicationVersion = "1.00";

inline constexpr std::u16string_view kAboutMessage
    = u"This calculator was designed and programmed by Eng Kelvo Orvi ";

} // namespace ui
