#include "time_picture.h"

#include <algorithm>

namespace ui {

namespace {

bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == 0x00A0 || c == 0x202F; }

} // namespace

std::vector<PicturePiece> picturePieces(std::u16string_view picture)
{
    std::vector<PicturePiece> pieces;
    const std::size_t size = picture.size();
    for (std::size_t start = 0, end = 0; start < size; start = end) {
        const char16_t c = picture[start];
        PicturePiece::Kind kind = PicturePiece::Between;
        end = start + 1;
        if (c == u'\'') {
            kind = PicturePiece::Quoted;
            while (end < size && picture[end] != u'\'')
                ++end;
            end = std::min(end + 1, size);
        } else if (isAsciiLetter(c)) {
            kind = PicturePiece::Field;
            while (end < size && picture[end] == c)
                ++end;
        } else {
            while (end < size && picture[end] != u'\'' && !isAsciiLetter(picture[end]))
                ++end;
        }
        const std::u16string_view text = picture.substr(start, end - start);
        if (kind == PicturePiece::Between && !pieces.empty()
            && pieces.back().kind == PicturePiece::Between)
            pieces.back().text += text;
        else
            pieces.push_back({ kind, std::u16string(text) });
    }
    return pieces;
}

std::u16string joined(const std::vector<PicturePiece>& pieces)
{
    std::u16string text;
    for (const PicturePiece& piece : pieces)
        text += piece.text;
    return text;
}

std::u16string withSeconds(std::u16string_view picture)
{
    std::vector<PicturePiece> pieces = picturePieces(picture);
    const auto minutes = std::find_if(
        pieces.begin(), pieces.end(), [](const PicturePiece& p) { return p.isField(u'm'); });
    const auto hours
        = std::find_if(pieces.begin(), minutes, [](const PicturePiece& p) { return p.isHours(); });
    if (hours == minutes || std::any_of(pieces.begin(), pieces.end(), [](const PicturePiece& p) {
            return p.isField(u's');
        }))
        return std::u16string(picture);
    const bool oneMark = minutes - hours == 2 && hours[1].kind == PicturePiece::Between
        && hours[1].text.size() == 1 && !isBlank(hours[1].text[0]);
    const PicturePiece mark { PicturePiece::Between, oneMark ? hours[1].text : u":" };
    const auto joint = pieces.erase(hours + 1, minutes);
    pieces.insert(pieces.insert(joint, mark) + 2, { mark, { PicturePiece::Field, u"ss" } });
    return joined(pieces);
}

std::u16string twentyFourHours(std::u16string_view picture)
{
    std::u16string result;
    for (const PicturePiece& piece : picturePieces(picture)) {
        if (result.empty() && !piece.isHours())
            continue;
        result += piece.isHours() ? std::u16string(piece.text.size(), u'H') : piece.text;
        if (piece.isField(u'm'))
            return result;
    }
    return u"HH:mm";
}

} // namespace ui
