#pragma once

#include "box_layout.h"
#include "controls.h"
#include "measure_cache.h"

#include <string>

namespace ui {

class Platform;

// The clock or the phrase box as the window shows it: its text laid out by the
// boxes' rule (ui/box_layout.h) over the home's measure of its face, and handed to
// the home to draw. Rewritten on every tick, it lays out only a text that changed.
class WrappedBox {
public:
    explicit WrappedBox(Control id)
        : id_(id)
    {
    }

    void show(std::u16string_view text, Platform& platform);
    // The type size a text is first tried at (the clock's, chosen for every time of
    // day); 0: the box's own.
    void startAt(int pixels) { startAt_ = pixels; }
    // The box's face or size changed: what was measured of it no longer holds.
    void forgetMeasures() { measures_.clear(); }
    // The text shown laid out anew.
    void layOutAgain(Platform& platform);

    // The box's measure, kept for the texts it shows and is asked about.
    MeasureCache::Measurer measurer(Platform& platform);
    const BoxLayout& layout() const { return layout_; }

private:
    Control id_;
    std::u16string text_;
    bool shown_ = false;
    int startAt_ = 0;
    BoxLayout layout_;
    MeasureCache measures_;
};

} // namespace ui
