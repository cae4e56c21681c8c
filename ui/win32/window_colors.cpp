#include "window_colors.h"

#include "ui/layout.h"

#include <algorithm>

namespace ui::win32 {

namespace {

Rgb system(int index)
{
    const COLORREF color = GetSysColor(index);
    return { GetRValue(color), GetGValue(color), GetBValue(color) };
}

SystemColors desktopColors()
{
    return { system(COLOR_BTNFACE), system(COLOR_BTNTEXT), system(COLOR_WINDOWTEXT),
        system(COLOR_INACTIVECAPTION) };
}

COLORREF colorRef(Rgb color) { return RGB(color.red, color.green, color.blue); }

} // namespace

WindowColors::WindowColors()
    : palette_(desktopColors())
{
    for (const LayoutRow& row : layoutRows())
        textColors_[static_cast<std::size_t>(row.id)] = row.foreground;
}

WindowColors::~WindowColors() { forgetBrushes(); }

void WindowColors::forgetBrushes()
{
    for (const auto& [color, brush] : brushes_)
        DeleteObject(brush);
    brushes_.clear();
}

void WindowColors::reload()
{
    palette_ = Palette(desktopColors());
    forgetBrushes();
}

HBRUSH WindowColors::brush(COLORREF color)
{
    const auto found = std::find_if(
        brushes_.begin(), brushes_.end(), [&](const auto& kept) { return kept.first == color; });
    if (found != brushes_.end())
        return found->second;
    return brushes_.emplace_back(color, CreateSolidBrush(color)).second;
}

HBRUSH WindowColors::windowBrush() { return brush(colorRef(palette_.window())); }

COLORREF WindowColors::background(Control control) const
{
    return colorRef(palette_.background(control).value_or(palette_.window()));
}

HBRUSH WindowColors::backgroundBrush(Control control) { return brush(background(control)); }

COLORREF WindowColors::text(Control control) const
{
    return colorRef(palette_.text(control, textColors_[static_cast<std::size_t>(control)]));
}

bool WindowColors::setText(Control control, std::uint32_t color)
{
    std::uint32_t& kept = textColors_[static_cast<std::size_t>(control)];
    if (kept == color)
        return false;
    kept = color;
    return true;
}

} // namespace ui::win32
