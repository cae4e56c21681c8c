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
constexpr int kSpare = 1; // pixels between the ink and the box's edge

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

BoxLayout::BoxLayout(std::wstring_view text, HFONT face, HFONT fallback, int typeSize, SIZE room)
    : text_(text)
    , typeSize_(typeSize)
{
    // Measured and inked on a white canvas the box's size with a type size to
    // spare all round, so that ink beyond the box is seen too.
    const int spare = typeSize;
    BITMAPINFO info {};
    info.bmiHeader = { sizeof info.bmiHeader, room.cx + 2 * spare, -(room.cy + 2 * spare), 1, 32,
        BI_RGB, 0, 0, 0, 0, 0 };
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldBitmap = SelectObject(dc, canvas);
    const HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));

    fonts_.emplace_back(sizedFont(face, typeSize));
    if (fallback)
        fonts_.emplace_back(sizedFont(fallback, typeSize));
    assignFonts(dc, fallback);
    for (const Font& font : fonts_) {
        SelectObject(dc, font.get());
        TEXTMETRICW metrics {};
        GetTextMetricsW(dc, &metrics);
        ascents_.push_back(metrics.tmAscent);
    }

    const std::u16string wrapped = fromWide(text_);
    for (const TextLine& line :
        wrapText(wrapped, room.cx - 2 * kSpare, [&](std::u16string_view piece) {
            return width(dc, static_cast<std::size_t>(piece.data() - wrapped.data()), piece.size());
        }))
        lines_.push_back({ line.start, line.length });
    whole_ = place(dc, room) && lines_.size() <= kBoxLines;
    for (const Line& line : lines_) {
        const std::size_t end = line.start + line.length;
        if (end < text_.size() && text_[end] != L' ' && text_[end] != L'\n')
            whole_ = false; // a word broken where it did not fit
    }

    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    DeleteObject(canvas);
}

// Each character gets the first of the box's fonts that has it, or a face found
// for it. A right-to-left paragraph is shaped in one face: its letters join.
void BoxLayout::assignFonts(HDC dc, HFONT fallback)
{
    fontOf_.assign(text_.size(), 0);
    std::vector<bool> missing = missingGlyphs(dc, fonts_[0].get(), text_);
    if (std::none_of(missing.begin(), missing.end(), [](bool m) { return m; }))
        return;
    std::wstring lacking;
    if (fallback) {
        const std::vector<bool> alsoMissing = missingGlyphs(dc, fonts_[1].get(), text_);
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
            GetObjectW(fonts_[0].get(), sizeof logical, &logical);
            logical.lfCharSet = DEFAULT_CHARSET;
            face.copy(logical.lfFaceName, LF_FACESIZE - 1);
            logical.lfFaceName[std::min<std::size_t>(face.size(), LF_FACESIZE - 1)] = L'\0';
            fonts_.emplace_back(CreateFontIndirectW(&logical));
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

int BoxLayout::width(HDC dc, std::size_t start, std::size_t length) const
{
    int total = 0;
    forEachRun(start, length, [&](std::size_t font, std::wstring_view run) {
        SelectObject(dc, fonts_[font].get());
        total += ShapedRun(dc, run).width();
    });
    return total;
}

void BoxLayout::drawLine(HDC dc, std::size_t line, int x, int baseline) const
{
    forEachRun(
        lines_[line].start, lines_[line].length, [&](std::size_t font, std::wstring_view run) {
            SelectObject(dc, fonts_[font].get());
            const ShapedRun shaped(dc, run);
            // Uniscribe puts the top of the font's cell at y.
            shaped.draw(x, baseline - ascents_[font]);
            x += shaped.width();
        });
}

// The ink of one line drawn at x and baseline, in the box's coordinates.
RECT BoxLayout::ink(HDC dc, std::size_t line, int x, int baseline, const RECT& canvas) const
{
    DIBSECTION section {};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section);
    auto* pixels = static_cast<std::uint32_t*>(section.dsBm.bmBits);
    const int columns = canvas.right - canvas.left;
    const int rows = canvas.bottom - canvas.top;
    std::fill(pixels, pixels + columns * rows, 0x00FFFFFFU);
    drawLine(dc, line, x - canvas.left, baseline - canvas.top);
    GdiFlush();
    RECT found { columns, rows, 0, 0 };
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if ((pixels[row * columns + column] & 0x00FFFFFFU) != 0x00FFFFFFU) {
                found.left = std::min<LONG>(found.left, column);
                found.right = std::max<LONG>(found.right, column + 1);
                found.top = std::min<LONG>(found.top, row);
                found.bottom = std::max<LONG>(found.bottom, row + 1);
            }
    OffsetRect(&found, canvas.left, canvas.top);
    return found;
}

// Lines centred, the first baseline at its place in the box; then moved up or
// down as a block, and each sideways, as far as their ink needs. False where the
// ink cannot be kept inside.
bool BoxLayout::place(HDC dc, SIZE room)
{
    const int pitch = static_cast<int>(std::lround(typeSize_ * kLinePitch));
    const int first = static_cast<int>(std::lround(typeSize_ * kBaseline));
    const RECT canvas { -typeSize_, -typeSize_, room.cx + typeSize_, room.cy + typeSize_ };
    std::vector<RECT> inks;
    RECT block { room.cx, room.cy, 0, 0 };
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int baseline = first + static_cast<int>(i) * pitch;
        const int x = (room.cx - width(dc, lines_[i].start, lines_[i].length)) / 2;
        placed_.push_back({ x, baseline });
        inks.push_back(ink(dc, i, x, baseline, canvas));
        block.top = std::min(block.top, inks.back().top);
        block.bottom = std::max(block.bottom, inks.back().bottom);
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
        if (inks[i].right > inks[i].left)
            placed_[i].x += shift(inks[i].left, inks[i].right, room.cx);
    }
    return inside;
}

void BoxLayout::draw(HDC dc) const
{
    const HGDIOBJ old = GetCurrentObject(dc, OBJ_FONT);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        drawLine(dc, i, placed_[i].x, placed_[i].baseline);
    SelectObject(dc, old);
}

} // namespace ui::win32
