#pragma once

#include "ui/box_layout.h"
#include "ui/controls.h"

#include <optional>
#include <string_view>

namespace ui::web {

// The clock or the phrase box as the page sets its lines: each line measured with a
// canvas in the box's own face, and drawn as its own element at the place the
// boxes' rule (ui/box_layout.h) gave it, in a line box linePitch() tall, exactly as
// measured.
class BoxLines final : public LineMeasurer {
public:
    explicit BoxLines(Control box)
        : box_(box)
    {
    }

    // The box's inside and type size, read from the page once: CSS pixels stay as
    // laid out whatever the browser's zoom.
    BoxRoom room() const;
    void show(std::u16string_view text, const BoxLayout& layout);

    int width(std::u16string_view text, int pixels) const override;
    std::optional<Ink> ink(std::u16string_view text, int pixels) const override;

private:
    Control box_;
    mutable std::optional<BoxRoom> room_;
};

} // namespace ui::web
