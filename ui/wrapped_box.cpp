#include "wrapped_box.h"

#include "platform.h"

namespace ui {

MeasureCache::Measurer WrappedBox::measurer(Platform& platform)
{
    return measures_.over(platform.lineMeasurer(id_));
}

void WrappedBox::show(std::u16string_view text, Platform& platform)
{
    if (shown_ && text == text_)
        return;
    text_ = text;
    shown_ = true;
    layout_ = fitBox(text_, platform.boxRoom(id_), measurer(platform), startAt_);
    platform.showLines(id_, text_, layout_);
}

void WrappedBox::layOutAgain(Platform& platform)
{
    if (!shown_)
        return;
    shown_ = false;
    show(std::u16string(text_), platform);
}

} // namespace ui
