#pragma once

#include "ui/controls.h"
#include "ui/display_fit.h"

namespace ui::web {

// The display's text as the page sets it: measured with a canvas in the display's
// own face, and set at a scale as measured: its type size times the scale's size,
// and its letters spaced closer by as much as the stretch takes away. The face has
// no narrower cut, so that is as near as the page comes to narrower letters.
class DisplayType final : public DisplayMeasurer {
public:
    explicit DisplayType(Control display)
        : display_(display)
    {
    }

    void setScale(DisplayScale scale);

    double room() const override;
    double naturalWidth(std::u16string_view text) const override;
    double drawnWidth(std::u16string_view text, DisplayScale scale) const override;

private:
    double width(std::u16string_view text, double size, double spacing) const;

    Control display_;
    // A letter's advance on average in what was measured last: the rule measures the
    // display's text, or a long text's beginning, just before it sets the scale, so
    // the spacing follows the same measure without a long text measured whole again.
    mutable double averageAdvance_ = 0;
};

} // namespace ui::web
