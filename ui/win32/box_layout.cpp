#include "box_layout.h"

#include "fonts.h"
#include "ui/text_wrap.h"
#include "wide_text.h"

#include <usp10.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ui::win32 {

namespace {

// Lines are set 1.2 type sizes apart, with the baseline 0.9 of a type size below
// the top of its line: room for Latin and Arabic letters alike.
constexpr double kLinePitch = 1.2;
constexpr double kBaseline = 0.9;
constexpr int kSpare = 1;              // pixels between the ink and the box's edge
constexpr wchar_t kSeparator = 0xFFFF; // a noncharacter: in no text, so it parts a key's fields

bool isRightToLeft(std::wstring_view line)
{
    for (const wchar_t c : line) {
        if (c >= 0x0590 && c <= 0x08FF)
            return true; // Hebrew, Arabic and their neighbours
        if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'))
            return false;
    }
    return false;
}

// A piece of text in one font, shaped by Uniscribe. Measured and drawn from the
// one shaping, so a piece is as wide as it is drawn.
class ShapedRun {
public:
    ShapedRun(HDC dc, std::wstring_view text)
    {
        if (text.empty())
            return;
        const int length = static_cast<int>(text.size());
        const DWORD flags = SSA_GLYPHS | (isRightToLeft(text) ? SSA_RTL : 0);
        if (FAILED(ScriptStringAnalyse(dc, text.data(), length, length * 3 / 2 + 16, -1, flags, 0,
                nullptr, nullptr, nullptr, nullptr, nullptr, &analysis_)))
            analysis_ = nullptr;
    }
    ~ShapedRun()
    {
        if (analysis_)
            ScriptStringFree(&analysis_);
    }
    ShapedRun(const ShapedRun&) = delete;
    ShapedRun& operator=(const ShapedRun&) = delete;

    int width() const { return analysis_ ? ScriptString_pSize(analysis_)->cx : 0; }
    void draw(int x, int y) const
    {
        if (analysis_)
            ScriptStringOut(analysis_, x, y, 0, nullptr, 0, 0, FALSE);
    }

private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

// Characters that take the face of the letters around them.
bool isNeutral(wchar_t c) { return c == L' ' || c == L'\n' || (c >= 0xD800 && c <= 0xDFFF); }

} // namespace

BoxMeasures::BoxMeasures() = default;

BoxMeasures::~BoxMeasures()
{
    if (dc_) {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
    }
    DeleteObject(bitmap_);
}

BoxMeasures::SizedFace BoxMeasures::font(LOGFONTW logical, int typeSize)
{
    logical.lfHeight = -typeSize;
    logical.lfWidth = 0;
    std::wstring key = logical.lfFaceName;
    key += { kSeparator, static_cast<wchar_t>(logical.lfCharSet),
        static_cast<wchar_t>(logical.lfWeight), static_cast<wchar_t>(logical.lfItalic),
        static_cast<wchar_t>(typeSize) };
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        HFONT made = CreateFontIndirectW(&logical);
        HDC dc = canvas({ 1, 1 });
        const HGDIOBJ old = SelectObject(dc, made);
        TEXTMETRICW metrics {};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        found = fonts_.emplace(key, SizedFont { decltype(SizedFont::font)(made), metrics.tmAscent })
                    .first;
    }
    return { found->second.font.get(), found->second.ascent };
}

BoxMeasures::Piece& BoxMeasures::piece(const std::wstring& key)
{
    // A box sees a few texts a day; a bound keeps a box that is fed many from growing.
    constexpr std::size_t kMostPieces = 512;
    if (pieces_.size() >= kMostPieces && pieces_.find(key) == pieces_.end())
        pieces_.clear();
    return pieces_[key];
}

HDC BoxMeasures::canvas(SIZE size)
{
    if (!dc_) {
        dc_ = CreateCompatibleDC(nullptr);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
    }
    if (size.cx > canvasSize_.cx || size.cy > canvasSize_.cy) {
        canvasSize_ = { std::max(size.cx, canvasSize_.cx), std::max(size.cy, canvasSize_.cy) };
        BITMAPINFO info {};
        info.bmiHeader = { sizeof info.bmiHeader, canvasSize_.cx, -canvasSize_.cy, 1, 32, BI_RGB, 0,
            0, 0, 0, 0 };
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ old = SelectObject(dc_, bitmap);
        if (!oldBitmap_)
            oldBitmap_ = old;
        DeleteObject(bitmap_);
        bitmap_ = bitmap;
        pixels_ = static_cast<std::uint32_t*>(bits);
    }
    return dc_;
}

BoxLayout::BoxLayout(std::wstring_view text, HFONT face, HFONT fallback, int typeSize, SIZE room,
    BoxMeasures& measures)
    : text_(text)
    , typeSize_(typeSize)
    , measures_(measures)
{
    if (!face) // a box not yet given its font: the system's, rather than none
        face = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (HFONT font : { face, fallback }) {
        if (!font)
            continue;
        LOGFONTW logical {};
        GetObjectW(font, sizeof logical, &logical);
        addFont(logical);
    }
    assignFonts(measures_.canvas({ 1, 1 }), fallback != nullptr);

    const std::u16string wrapped = fromWide(text_);
    for (const TextLine& line :
        wrapText(wrapped, room.cx - 2 * kSpare, [&](std::u16string_view piece) {
            return *measured(static_cast<std::size_t>(piece.data() - wrapped.data()), piece.size())
                        .width;
        }))
        lines_.push_back({ line.start, line.length });
    whole_ = place(room) && lines_.size() <= kBoxLines;
    for (const Line& line : lines_) {
        const std::size_t end = line.start + line.length;
        if (end < text_.size() && text_[end] != L' ' && text_[end] != L'\n')
            whole_ = false; // a word broken where it did not fit
    }
}

void BoxLayout::addFont(const LOGFONTW& logical)
{
    const BoxMeasures::SizedFace sized = measures_.font(logical, typeSize_);
    fonts_.push_back(sized.font);
    ascents_.push_back(sized.ascent);
    std::wstring name = logical.lfFaceName;
    name += static_cast<wchar_t>(logical.lfCharSet);
    faceNames_.push_back(std::move(name));
}

// Each character gets the first of the box's fonts that has it, or a face found
// for it. A right-to-left paragraph is shaped in one face: its letters join.
void BoxLayout::assignFonts(HDC dc, bool hasFallback)
{
    fontOf_.assign(text_.size(), 0);
    std::vector<bool> missing = missingGlyphs(dc, fonts_[0], text_);
    if (std::none_of(missing.begin(), missing.end(), [](bool m) { return m; }))
        return;
    std::wstring lacking;
    if (hasFallback) {
        const std::vector<bool> alsoMissing = missingGlyphs(dc, fonts_[1], text_);
        for (std::size_t i = 0; i < text_.size(); ++i) {
            if (missing[i] && alsoMissing[i])
                lacking += text_[i];
            else if (missing[i])
                fontOf_[i] = 1;
        }
    } else {
        for (std::size_t i = 0; i < text_.size(); ++i)
            if (missing[i])
                lacking += text_[i];
    }
    if (!lacking.empty()) {
        const std::wstring face = faceWithLetters(lacking);
        if (!face.empty()) {
            LOGFONTW logical {};
            GetObjectW(fonts_[0], sizeof logical, &logical);
            logical.lfCharSet = DEFAULT_CHARSET;
            face.copy(logical.lfFaceName, LF_FACESIZE - 1);
            logical.lfFaceName[std::min<std::size_t>(face.size(), LF_FACESIZE - 1)] = L'\0';
            addFont(logical);
            for (std::size_t i = 0; i < text_.size(); ++i)
                if (missing[i] && fontOf_[i] == 0)
                    fontOf_[i] = fonts_.size() - 1;
        }
    }
    for (std::size_t start = 0; start < text_.size();) {
        const std::size_t end = std::min(text_.find(L'\n', start), text_.size());
        const std::wstring_view paragraph = std::wstring_view(text_).substr(start, end - start);
        if (isRightToLeft(paragraph)) {
            const auto first = std::find_if(fontOf_.begin() + static_cast<std::ptrdiff_t>(start),
                fontOf_.begin() + static_cast<std::ptrdiff_t>(end),
                [](std::size_t font) { return font != 0; });
            if (first != fontOf_.begin() + static_cast<std::ptrdiff_t>(end))
                std::fill(fontOf_.begin() + static_cast<std::ptrdiff_t>(start),
                    fontOf_.begin() + static_cast<std::ptrdiff_t>(end), *first);
        } else {
            for (std::size_t i = start + 1; i < end; ++i)
                if (isNeutral(text_[i]))
                    fontOf_[i] = fontOf_[i - 1];
        }
        start = end + 1;
    }
}

template <typename Step>
void BoxLayout::forEachRun(std::size_t start, std::size_t length, Step step) const
{
    const std::size_t end = start + length;
    for (std::size_t from = start; from < end;) {
        std::size_t to = from + 1;
        while (to < end && fontOf_[to] == fontOf_[from])
            ++to;
        step(fontOf_[from], std::wstring_view(text_).substr(from, to - from));
        from = to;
    }
}

// What identifies a piece's shape: its type size, and each run's face and text.
std::wstring BoxLayout::keyOf(std::size_t start, std::size_t length) const
{
    std::wstring key(1, static_cast<wchar_t>(typeSize_));
    forEachRun(start, length, [&](std::size_t font, std::wstring_view run) {
        key += faceNames_[font];
        key += kSeparator;
        key += run;
        key += kSeparator;
    });
    return key;
}

BoxMeasures::Piece& BoxLayout::measured(std::size_t start, std::size_t length) const
{
    BoxMeasures::Piece& piece = measures_.piece(keyOf(start, length));
    if (!piece.width) {
        HDC dc = measures_.canvas({ 1, 1 });
        int total = 0;
        forEachRun(start, length, [&](std::size_t font, std::wstring_view run) {
            SelectObject(dc, fonts_[font]);
            total += ShapedRun(dc, run).width();
        });
        piece.width = total;
    }
    return piece;
}

void BoxLayout::drawPiece(HDC dc, std::size_t start, std::size_t length, int x, int baseline) const
{
    forEachRun(start, length, [&](std::size_t font, std::wstring_view run) {
        SelectObject(dc, fonts_[font]);
        const ShapedRun shaped(dc, run);
        // Uniscribe puts the top of the font's cell at y.
        shaped.draw(x, baseline - ascents_[font]);
        x += shaped.width();
    });
}

// The ink of a line from its pen's start on the baseline: drawn in black on a
// white canvas with three type sizes to spare all round (Arabic faces reach far
// above and below their type size), and looked for.
const RECT& BoxLayout::ink(std::size_t line) const
{
    BoxMeasures::Piece& piece = measured(lines_[line].start, lines_[line].length);
    if (!piece.ink) {
        const int spare = 3 * typeSize_;
        const SIZE size { *piece.width + 2 * spare, 2 * spare };
        HDC dc = measures_.canvas(size);
        const HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);
        const LONG stride = measures_.canvasSize().cx;
        std::uint32_t* pixels = measures_.canvasPixels();
        std::fill(pixels, pixels + stride * size.cy, 0x00FFFFFFU); // the rows looked at
        drawPiece(dc, lines_[line].start, lines_[line].length, spare, spare);
        SelectObject(dc, oldFont);
        GdiFlush();
        RECT found { size.cx, size.cy, 0, 0 };
        for (LONG row = 0; row < size.cy; ++row)
            for (LONG column = 0; column < size.cx; ++column)
                if ((pixels[row * stride + column] & 0x00FFFFFFU) != 0x00FFFFFFU) {
                    found.left = std::min(found.left, column);
                    found.right = std::max(found.right, column + 1);
                    found.top = std::min(found.top, row);
                    found.bottom = std::max(found.bottom, row + 1);
                }
        if (found.right > found.left)
            OffsetRect(&found, -spare, -spare);
        else
            found = {};
        piece.ink = found;
    }
    return *piece.ink;
}

// Lines centred, the first baseline at its place in the box; then moved up or
// down as a block, and each sideways, as far as their ink needs. False where the
// ink cannot be kept inside.
bool BoxLayout::place(SIZE room)
{
    const int pitch = static_cast<int>(std::lround(typeSize_ * kLinePitch));
    const int first = static_cast<int>(std::lround(typeSize_ * kBaseline));
    std::vector<RECT> inks;
    RECT block { room.cx, room.cy, 0, 0 };
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int baseline = first + static_cast<int>(i) * pitch;
        const int x = (room.cx - *measured(lines_[i].start, lines_[i].length).width) / 2;
        placed_.push_back({ x, baseline });
        RECT inked = ink(i);
        if (!IsRectEmpty(&inked)) {
            OffsetRect(&inked, x, baseline);
            block.top = std::min(block.top, inked.top);
            block.bottom = std::max(block.bottom, inked.bottom);
        }
        inks.push_back(inked);
    }
    bool inside = true;
    const auto shift = [&](LONG low, LONG high, LONG limit) {
        LONG by = 0;
        if (high > limit - kSpare)
            by = limit - kSpare - high;
        if (low + by < kSpare)
            by = kSpare - low;
        inside = inside && high + by <= limit - kSpare;
        return static_cast<int>(by);
    };
    const int down = block.bottom > block.top ? shift(block.top, block.bottom, room.cy) : 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        placed_[i].baseline += down;
        if (IsRectEmpty(&inks[i]))
            continue;
        const int sideways = shift(inks[i].left, inks[i].right, room.cx);
        placed_[i].x += sideways;
        OffsetRect(&inks[i], sideways, down);
    }
    inks_ = std::move(inks);
    return inside;
}

void BoxLayout::draw(HDC dc, const RECT& area) const
{
    const HGDIOBJ old = GetCurrentObject(dc, OBJ_FONT);
    RECT common;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (IntersectRect(&common, &inks_[i], &area))
            drawPiece(dc, lines_[i].start, lines_[i].length, placed_[i].x, placed_[i].baseline);
    SelectObject(dc, old);
}

RECT BoxLayout::changedFrom(const BoxLayout& before) const
{
    RECT area {};
    for (std::size_t i = 0; i < std::max(lines_.size(), before.lines_.size()); ++i) {
        const bool inBoth = i < lines_.size() && i < before.lines_.size();
        if (inBoth && placed_[i].x == before.placed_[i].x
            && placed_[i].baseline == before.placed_[i].baseline
            && keyOf(lines_[i].start, lines_[i].length)
                == before.keyOf(before.lines_[i].start, before.lines_[i].length))
            continue;
        if (i < lines_.size())
            UnionRect(&area, &area, &inks_[i]);
        if (i < before.lines_.size())
            UnionRect(&area, &area, &before.inks_[i]);
    }
    return area;
}

} // namespace ui::win32
