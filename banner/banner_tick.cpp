#include "banner_tick.h"

#include <array>

namespace banner {

namespace {

enum class PictureMove { SlideLeft, JumpHome };

struct Step {
    std::uint32_t creditColor;
    std::uint32_t contactColor;
    PictureMove move;
};

// Steps 1 to 8 of the cycle; steps 9 and 10 leave labels and picture as they are,
// so both labels rest black and the picture rests at home for three ticks.
constexpr std::array<Step, 8> kSteps { {
    { kRed, kGreen, PictureMove::SlideLeft },
    { kGreen, kYellow, PictureMove::SlideLeft },
    { kYellow, kRed, PictureMove::SlideLeft },
    { kRed, kGreen, PictureMove::SlideLeft },
    { kGreen, kYellow, PictureMove::SlideLeft },
    { kYellow, kRed, PictureMove::SlideLeft },
    { kGreen, kYellow, PictureMove::SlideLeft },
    { kBlack, kBlack, PictureMove::JumpHome },
} };

std::uint8_t nextStep(std::uint8_t step)
{
    // Counted through a 16-bit sum as the counter always was; 10 + 1 wraps to 1.
    const auto sum = static_cast<std::int16_t>(step + 1);
    const auto next = static_cast<std::uint8_t>(sum);
    return next > kLastStep ? kFirstStep : next;
}

} // namespace

void bannerTick(std::uint8_t& bannerStep, BannerSurface& surface)
{
    const std::uint8_t step = bannerStep;
    if (step >= 1 && step <= kSteps.size()) {
        const Step& s = kSteps[step - 1];
        surface.setCreditColor(s.creditColor);
        surface.setContactColor(s.contactColor);
        if (s.move == PictureMove::SlideLeft)
            surface.setPictureLeft(surface.pictureLeft() - kSlideTwips);
        else
            surface.setPictureLeft(kHomeLeftTwips);
    }
    bannerStep = nextStep(step);
    surface.setClockText(surface.currentDateTimeText());
    surface.setPhraseText(kPhrase);
}

} // namespace banner
