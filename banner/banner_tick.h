#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace banner {

// Colours as 0x00BBGGRR values.
inline constexpr std::uint32_t kRed = 255;
inline constexpr std::uint32_t kGreen = 65280;
inline constexpr std::uint32_t kYellow = 65535;
inline constexpr std::uint32_t kBlack = 0;

// The picture slides this far left on each moving step, and jumps back home.
inline constexpr float kSlideTwips = 300.0F;
inline constexpr float kHomeLeftTwips = 3720.0F;

inline constexpr std::uint8_t kFirstStep = 1;
inline constexpr std::uint8_t kLastStep = 10;

// "In the name of God, the Most Gracious, the Most Merciful", with a blank at each end.
inline constexpr std::u16string_view kPhrase
    = u"\u0020\u0628\u0633\u0645\u0020\u0627\u0644\u0644\u0647\u0020\u0627\u0644\u0631\u062D"
      u"\u0645\u0646\u0020\u0627\u0644\u0631\u062D\u064A\u0645\u0020";

// What the tick touches on the window: the two credit labels, the picture's
// horizontal position in twips, the clock box and the phrase box.
class BannerSurface {
public:
    virtual ~BannerSurface() = default;
    virtual void setCreditColor(std::uint32_t bgr) = 0;  // Label1
    virtual void setContactColor(std::uint32_t bgr) = 0; // Label2
    virtual float pictureLeft() const = 0;
    virtual void setPictureLeft(float twips) = 0;
    virtual std::u16string currentDateTimeText() const = 0;
    virtual void setClockText(std::u16string_view text) = 0;
    virtual void setPhraseText(std::u16string_view text) = 0;
};

// One tick of the 500 ms timer: the colours and picture move of the current step,
// then the counter advances (1..10, then 1 again), then the clock and the phrase
// are written.
void bannerTick(std::uint8_t& bannerStep, BannerSurface& surface);

} // namespace banner
