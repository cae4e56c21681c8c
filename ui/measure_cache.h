#pragma once

#include "box_layout.h"

#include <map>
#include <string>
#include <utility>

namespace ui {

// What a home measured of a box's lines, kept: the clock changes every second while
// its date stays for a day, and its form is chosen over dozens of sample texts. It
// holds a bounded number of pieces, and is cleared where the box's face or size
// changes.
class MeasureCache {
public:
    // A measurer that asks `home` only what the cache does not know yet.
    class Measurer final : public LineMeasurer {
    public:
        Measurer(MeasureCache& cache, const LineMeasurer& home)
            : cache_(cache)
            , home_(home)
        {
        }
        int width(std::u16string_view text, int pixels) const override;
        std::optional<Ink> ink(std::u16string_view text, int pixels) const override;

    private:
        MeasureCache& cache_;
        const LineMeasurer& home_;
    };

    Measurer over(const LineMeasurer& home) { return { *this, home }; }
    void clear() { pieces_.clear(); }

private:
    struct Piece {
        std::optional<int> width;
        std::optional<std::optional<Ink>> ink;
    };
    Piece& piece(std::u16string_view text, int pixels);

    std::map<std::pair<int, std::u16string>, Piece, std::less<>> pieces_;
};

} // namespace ui
