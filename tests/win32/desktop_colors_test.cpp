// The clock and phrase boxes under the desktop's colour schemes, set in the prefix's
// registry before the program starts: their fixed dark red reads on what they are
// drawn on, read back from the screen.

#include "program_driver.h"
#include "ui/colors.h"
#include "ui/layout.h"

#include <cstdio>
#include <utility>

namespace {

using namespace driver;
using ui::Control;

struct Scheme {
    const char* name;
    // The scheme's colours in the classic desktop's names; nothing: wine's own.
    std::vector<std::pair<const wchar_t*, const wchar_t*>> colors;
};

const Scheme kSchemes[] = {
    { "WineDefault", {} },
    { "HighContrastBlack",
        { { L"Background", L"0 0 0" }, { L"Window", L"0 0 0" }, { L"WindowText", L"255 255 255" },
            { L"WindowFrame", L"255 255 255" }, { L"Menu", L"0 0 0" },
            { L"MenuText", L"255 255 255" }, { L"ButtonFace", L"0 0 0" },
            { L"ButtonText", L"255 255 255" }, { L"ButtonShadow", L"128 128 128" },
            { L"ButtonHilight", L"255 255 255" }, { L"ActiveTitle", L"128 0 128" },
            { L"TitleText", L"255 255 255" }, { L"InactiveTitle", L"0 0 0" },
            { L"InactiveTitleText", L"0 255 0" }, { L"Hilight", L"128 0 128" },
            { L"HilightText", L"255 255 255" }, { L"GrayText", L"0 255 0" } } },
    { "HighContrastWhite",
        { { L"Background", L"255 255 255" }, { L"Window", L"255 255 255" },
            { L"WindowText", L"0 0 0" }, { L"WindowFrame", L"0 0 0" }, { L"Menu", L"255 255 255" },
            { L"MenuText", L"0 0 0" }, { L"ButtonFace", L"255 255 255" },
            { L"ButtonText", L"0 0 0" }, { L"ButtonShadow", L"128 128 128" },
            { L"ButtonHilight", L"0 0 0" }, { L"ActiveTitle", L"0 0 0" },
            { L"TitleText", L"255 255 255" }, { L"InactiveTitle", L"255 255 255" },
            { L"InactiveTitleText", L"0 0 0" }, { L"Hilight", L"55 0 110" },
            { L"HilightText", L"255 255 255" }, { L"GrayText", L"96 0 0" } } },
};

ui::Rgb rgb(std::uint32_t pixel)
{
    return { static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
        static_cast<std::uint8_t>(pixel) };
}

// The inactive title bar of the scheme, or of the desktop this test started on.
ui::Rgb inactiveTitleBar(const Scheme& scheme)
{
    for (const auto& [name, value] : scheme.colors) {
        int red = 0, green = 0, blue = 0;
        if (std::wstring_view(name) == L"InactiveTitle"
            && std::swscanf(value, L"%d %d %d", &red, &green, &blue) == 3)
            return { static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                static_cast<std::uint8_t>(blue) };
    }
    const COLORREF own = GetSysColor(COLOR_INACTIVECAPTION);
    return { GetRValue(own), GetGValue(own), GetBValue(own) };
}

class DesktopScheme : public testing::TestWithParam<Scheme> { };

// On the desktop's own inactive title bar where the dark red reads there, else on the
// light neutral; either way at 4.5 to 1 or more.
TEST_P(DesktopScheme, BoxesReadOnWhatTheyAreDrawnOn)
{
    const Scheme& scheme = GetParam();
    if (!underWine() && !scheme.colors.empty())
        GTEST_SKIP() << "the user's own colours are left alone";
    UserSettings colors(L"Control Panel\\Colors");
    for (const auto& [name, value] : scheme.colors)
        colors.set(name, value);
    Calculator calc;
    ASSERT_TRUE(calc.window());
    ASSERT_TRUE(waitFor([&] { return !textOf(calc.control(Control::Text4)).empty(); }, 3s));
    std::this_thread::sleep_for(300ms); // drawn

    const std::uint32_t fixedRed = ui::layoutRow(Control::Text3).foreground;
    const ui::Rgb red { static_cast<std::uint8_t>(ui::color::red(fixedRed)),
        static_cast<std::uint8_t>(ui::color::green(fixedRed)),
        static_cast<std::uint8_t>(ui::color::blue(fixedRed)) };
    const ui::Rgb desktop = inactiveTitleBar(scheme);
    for (const Control box : { Control::Text3, Control::Text4 }) {
        const Pixels pixels = pixelsOf(calc.control(box));
        const ui::Rgb background = rgb(pixels.at(0, 0)); // the ink keeps clear of the border
        const auto inRed = std::count_if(pixels.values.begin(), pixels.values.end(),
            [&](std::uint32_t pixel) { return rgb(pixel & 0xFFFFFF) == red; });
        EXPECT_GT(inRed, 0) << "no letter in the dark red";
        const double contrast = ui::contrast(red, background);
        EXPECT_GE(contrast, ui::kReadableContrast);
        EXPECT_EQ(background,
            ui::contrast(red, desktop) >= ui::kReadableContrast ? desktop : ui::kLightNeutral);
        std::printf("%s: %s on %d %d %d (the desktop's %d %d %d), the dark red at %.2f:1\n",
            scheme.name, std::string(ui::layoutRow(box).name).c_str(), background.red,
            background.green, background.blue, desktop.red, desktop.green, desktop.blue, contrast);
    }
    PostMessageW(calc.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(calc.exitCode(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Program, DesktopScheme, testing::ValuesIn(kSchemes),
    [](const testing::TestParamInfo<Scheme>& info) { return std::string(info.param.name); });

} // namespace
