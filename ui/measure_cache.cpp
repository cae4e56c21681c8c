#include "measure_cache.h"

namespace ui {

MeasureCache::Piece& MeasureCache::piece(std::u16string_view text, int pixels)
{
    // A box sees a few texts a day and a few dozen when its clock's form is chosen;
    // the bound keeps a box fed many texts from growing.
    constexpr std::size_t kMostPieces = 512;
    std::pair<int, std::u16string> key { pixels, std::u16string(text) };
    if (const auto found = pieces_.find(key); found != pieces_.end())
        return found->second;
    if (pieces_.size() >= kMostPieces)
        pieces_.clear();
    return pieces_[std::move(key)];
}

int MeasureCache::Measurer::width(std::u16string_view text, int pixels) const
{
    Piece& piece = cache_.piece(text, pixels);
    if (!piece.width)
        piece.width = home_.width(text, pixels);
    return *piece.width;
}

std::optional<Ink> MeasureCache::Measurer::ink(std::u16string_view text, int pixels) const
{
    Piece& piece = cache_.piece(text, pixels);
    if (!piece.ink)
        piece.ink = home_.ink(text, pixels);
    return *piece.ink;
}

} // namespace ui
