#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ui::win32 {

// The clock and phrase boxes show their text on at most this many lines.
inline constexpr std::size_t kBoxLines = 2;

// A text laid out in a clock or phrase box: wrapped onto centred lines 1.2 type
// sizes apart, each line shaped by Uniscribe (joined Arabic letters, right to
// left). Letters the box's face lacks are set in its fallback face or, where that
// lacks them too (a Chinese clock in a Latin face), in the first installed face
// that has them. Lines are moved as far as it takes to keep every letter's ink
// inside the box: Arabic faces reach far above and below their type size.
class BoxLayout {
public:
    struct Line {
        std::size_t start;
        std::size_t length;
    };

    // face: the box's font; fallback: a font for letters it lacks, or null.
    // typeSize: the pixel height to set the text at; room: the box's client size.
    BoxLayout(std::wstring_view text, HFONT face, HFONT fallback, int typeSize, SIZE room);

    // On at most kBoxLines lines, no word broken, and every letter's ink inside
    // the box with a pixel to spare.
    bool whole() const { return whole_; }
    const std::vector<Line>& lines() const { return lines_; }
    void draw(HDC dc) const; // in the DC's text colour, at the client's origin

private:
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
    struct Placed {
        int x;
        int baseline;
    };

    void assignFonts(HDC dc, HFONT fallback);
    int width(HDC dc, std::size_t start, std::size_t length) const;
    template <typename Step>
    void forEachRun(std::size_t start, std::size_t length, Step step) const;
    void drawLine(HDC dc, std::size_t line, int x, int baseline) const;
    RECT ink(HDC dc, std::size_t line, int x, int baseline, const RECT& canvas) const;
    bool place(HDC canvas, SIZE room);

    std::wstring text_;
    int typeSize_;
    std::vector<Font> fonts_;
    std::vector<int> ascents_;
    std::vector<std::size_t> fontOf_; // one a character
    std::vector<Line> lines_;
    std::vector<Placed> placed_;
    bool whole_ = false;
};

} // namespace ui::win32
