#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ui::win32 {

// The clock and phrase boxes show their text on at most this many lines.
inline constexpr std::size_t kBoxLines = 2;

// What a box's layouts share: its fonts at each type size, and what was measured
// of each line and piece of text. The clock changes every second while its date
// stays for a day; each new text shapes and inks only what is new in it.
class BoxMeasures {
public:
    BoxMeasures();
    ~BoxMeasures();
    BoxMeasures(const BoxMeasures&) = delete;
    BoxMeasures& operator=(const BoxMeasures&) = delete;

    // The font with logical's face and character set at a type size, made once,
    // and its ascent in pixels.
    struct SizedFace {
        HFONT font;
        int ascent;
    };
    SizedFace font(LOGFONTW logical, int typeSize);

    struct Piece {
        std::optional<int> width;
        std::optional<RECT> ink; // from the pen's start on the baseline; empty: no ink
    };
    // key: the piece's type size, faces and text (see BoxLayout::keyOf).
    Piece& piece(const std::wstring& key);

    // A white canvas at least this big, kept for the next measurement.
    HDC canvas(SIZE size);
    std::uint32_t* canvasPixels() const { return pixels_; }
    SIZE canvasSize() const { return canvasSize_; }

private:
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    struct SizedFont {
        std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font;
        int ascent;
    };
    std::map<std::wstring, SizedFont> fonts_;
    std::map<std::wstring, Piece> pieces_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    SIZE canvasSize_ {};
};

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
    // measures: the box's, which must outlive the layout.
    BoxLayout(std::wstring_view text, HFONT face, HFONT fallback, int typeSize, SIZE room,
        BoxMeasures& measures);

    // On at most kBoxLines lines, no word broken, and every letter's ink inside
    // the box with a pixel to spare.
    bool whole() const { return whole_; }
    const std::vector<Line>& lines() const { return lines_; }
    // Draws the lines whose ink meets area, in the DC's text colour, at the
    // client's origin.
    void draw(HDC dc, const RECT& area) const;
    // Where this layout's ink differs from before's: the lines that changed.
    RECT changedFrom(const BoxLayout& before) const;

private:
    struct Placed {
        int x;
        int baseline;
    };

    void addFont(const LOGFONTW& logical);
    void assignFonts(HDC dc, bool hasFallback);
    template <typename Step>
    void forEachRun(std::size_t start, std::size_t length, Step step) const;
    std::wstring keyOf(std::size_t start, std::size_t length) const;
    BoxMeasures::Piece& measured(std::size_t start, std::size_t length) const;
    void drawPiece(HDC dc, std::size_t start, std::size_t length, int x, int baseline) const;
    const RECT& ink(std::size_t line) const;
    bool place(SIZE room);

    std::wstring text_;
    int typeSize_;
    BoxMeasures& measures_;
    std::vector<HFONT> fonts_; // the box's face, its fallback, a face found for the rest
    std::vector<int> ascents_; // one a font
    std::vector<std::wstring> faceNames_;
    std::vector<std::size_t> fontOf_; // one a character
    std::vector<Line> lines_;
    std::vector<Placed> placed_;
    std::vector<RECT> inks_; // each line's ink where it is drawn; empty: none
    bool whole_ = false;
};

} // namespace ui::win32
