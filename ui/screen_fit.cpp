#include "screen_fit.h"

#include <algorithm>
#include <cmath>

namespace ui {

ScreenPlace placeOnScreen(Extent box, Extent screen)
{
    if (box.width <= 0 || box.height <= 0 || screen.width <= 0 || screen.height <= 0)
        return {};
    const double scale = std::min({ 1.0, screen.width / box.width, screen.height / box.height });
    const auto centred = [scale](double room, double size) {
        return std::max(0.0, std::floor((room - size * scale) / 2));
    };
    return { scale, centred(screen.width, box.width), centred(screen.height, box.height) };
}

} // namespace ui
