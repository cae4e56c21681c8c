#include "ui/time_picture.h"

#include <gtest/gtest.h>

namespace {

struct PictureCase {
    std::u16string picture, withSeconds, twentyFour;
};

// Desktops' own pictures: Qt's ("AP", "ap"), Windows' ("tt"), quoted text.
TEST(TimePicture, SecondsAndTwentyFourHours)
{
    const PictureCase cases[] = {
        { u"h:mm AP", u"h:mm:ss AP", u"H:mm" },
        { u"h:mm tt", u"h:mm:ss tt", u"H:mm" },
        { u"tt h:mm", u"tt h:mm:ss", u"H:mm" },
        { u"HH.mm", u"HH.mm.ss", u"HH.mm" },
        { u"HH 'h' mm", u"HH:mm:ss", u"HH 'h' mm" },
        { u"AP 'ga' h:mm", u"AP 'ga' h:mm:ss", u"H:mm" },
        { u"H:mm:ss", u"H:mm:ss", u"H:mm" },
        { u"'at' h:mm", u"'at' h:mm:ss", u"H:mm" },
        { u"mm", u"mm", u"HH:mm" },
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(std::string(c.picture.begin(), c.picture.end()));
        EXPECT_EQ(ui::withSeconds(c.picture), c.withSeconds);
        EXPECT_EQ(ui::twentyFourHours(c.picture), c.twentyFour);
    }
}

} // namespace
