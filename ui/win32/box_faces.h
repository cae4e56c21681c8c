#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// A piece of a line set in one font; the font's ascent puts it on the line's baseline.
struct FaceRun {
    std::wstring_view text;
    HFONT font;
    int ascent;
    bool rightToLeft;
};

// The faces a clock or phrase box sets its lines in, at any type size: its own, the
// fallback for the letters its own lacks (the phrase's Arabic letters where the Latin
// face has none), and, for letters neither has (a Chinese clock in a Latin face), the
// first installed face that has them. Fonts are made once for each size and kept: the
// clock's form is chosen over dozens of texts at several sizes.
class BoxFaces {
public:
    // The faces, weights and character sets of own and fallback (null: none) are
    // copied; the fonts themselves need not outlive this.
    BoxFaces(HFONT own, HFONT fallback);
    ~BoxFaces();
    BoxFaces(const BoxFaces&) = delete;
    BoxFaces& operator=(const BoxFaces&) = delete;

    // The own face's type size, in pixels.
    int typeSize() const;

    // The line in runs of one font each, at a type size, in the line's order.
    std::vector<FaceRun> runs(std::wstring_view line, int pixels);

private:
    struct SizedFont {
        HFONT font;
        int ascent;
    };
    SizedFont sized(const LOGFONTW& face, int pixels);
    const LOGFONTW* faceFor(std::wstring_view letters);

    HDC dc_; // to look into the fonts
    LOGFONTW own_ {};
    std::optional<LOGFONTW> fallback_;
    std::map<std::wstring, std::optional<LOGFONTW>, std::less<>> found_; // by the letters
    std::map<std::wstring, SizedFont> fonts_; // by face, character set and size
};

} // namespace ui::win32
