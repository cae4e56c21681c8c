#include "message_box.h"

#include <array>

namespace ui {

std::span<const MessageButton> buttonsOf(MessageButtons buttons)
{
    static constexpr std::array<MessageButton, 1> kOk { { { Answer::Ok, u"OK" } } };
    static constexpr std::array<MessageButton, 2> kYesNo { {
        { Answer::Yes, u"Yes" },
        { Answer::No, u"No" },
    } };
    if (buttons == MessageButtons::YesNo)
        return kYesNo;
    return kOk;
}

} // namespace ui
