#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A date or time picture as desktops write them ("h:mm:ss AP", "HH 'h' mm"), in
// pieces: a field is a run of one unquoted ASCII letter ("HH", "t"), quoted text is
// kept as written with its quotes, and the rest is what stands between them.
struct PicturePiece {
    enum Kind { Field, Quoted, Between } kind;
    std::u16string text;
    bool isField(char16_t letter) const { return kind == Field && text[0] == letter; }
    bool isHours() const { return isField(u'h') || isField(u'H'); }
};

std::vector<PicturePiece> picturePieces(std::u16string_view picture);
std::u16string joined(const std::vector<PicturePiece>& pieces);

// A time picture with the seconds after the minutes, joined to them as the minutes
// are joined to the hours where that is one mark ("h:mm AP" gives "h:mm:ss AP"); else
// hours, minutes and seconds are joined by colons ("HH 'h' mm" gives "HH:mm:ss"). A
// picture that has its seconds, or has no hours before its minutes, is kept.
std::u16string withSeconds(std::u16string_view picture);

// The hours and minutes of a time picture and what stands between them, on a 24-hour
// clock: "AP 'ga' h:mm" gives "H:mm". A picture without them gives "HH:mm".
std::u16string twentyFourHours(std::u16string_view picture);

} // namespace ui
