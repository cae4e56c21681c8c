#include "box_faces.h"

#include "glyph_coverage.h"

#include <algorithm>
#include <cstdlib>

namespace ui::win32 {

namespace {

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

// Characters that take the face of the letters around them.
bool isNeutral(wchar_t c) { return c == L' ' || c == L'\n' || (c >= 0xD800 && c <= 0xDFFF); }

LOGFONTW logicalOf(HFONT font)
{
    LOGFONTW logical {};
    GetObjectW(font, sizeof logical, &logical);
    return logical;
}

} // namespace

BoxFaces::BoxFaces(HFONT own, HFONT fallback)
    : dc_(CreateCompatibleDC(nullptr))
    // A box not yet given its font sets its lines in the system's, rather than none.
    , own_(logicalOf(own ? own : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))))
{
    if (fallback)
        fallback_ = logicalOf(fallback);
}

BoxFaces::~BoxFaces()
{
    for (const auto& [key, sized] : fonts_)
        DeleteObject(sized.font);
    DeleteDC(dc_);
}

int BoxFaces::typeSize() const { return std::abs(own_.lfHeight); }

BoxFaces::SizedFont BoxFaces::sized(const LOGFONTW& face, int pixels)
{
    std::wstring key = face.lfFaceName;
    key += { L'\0', static_cast<wchar_t>(face.lfCharSet), static_cast<wchar_t>(pixels) };
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        LOGFONTW logical = face;
        logical.lfHeight = -pixels;
        logical.lfWidth = 0;
        HFONT font = CreateFontIndirectW(&logical);
        const HGDIOBJ old = SelectObject(dc_, font);
        TEXTMETRICW metrics {};
        GetTextMetricsW(dc_, &metrics);
        SelectObject(dc_, old);
        found = fonts_.emplace(key, SizedFont { font, metrics.tmAscent }).first;
    }
    return found->second;
}

const LOGFONTW* BoxFaces::faceFor(std::wstring_view letters)
{
    auto known = found_.find(letters);
    if (known == found_.end()) {
        std::optional<LOGFONTW> logical;
        if (const std::wstring face = faceWithLetters(letters); !face.empty()) {
            logical = own_;
            logical->lfCharSet = DEFAULT_CHARSET;
            const std::size_t length = face.copy(logical->lfFaceName, LF_FACESIZE - 1);
            logical->lfFaceName[length] = L'\0';
        }
        known = found_.emplace(std::wstring(letters), logical).first;
    }
    return known->second ? &*known->second : nullptr;
}

// Each character gets the first of the faces that has it. A right-to-left line is
// set in one face, so that its letters join.
std::vector<FaceRun> BoxFaces::runs(std::wstring_view line, int pixels)
{
    std::vector<SizedFont> fonts { sized(own_, pixels) };
    std::vector<std::size_t> faceOf(line.size(), 0);
    std::vector<bool> lacking = missingGlyphs(dc_, fonts[0].font, line);
    if (std::find(lacking.begin(), lacking.end(), true) != lacking.end()) {
        if (fallback_) {
            fonts.push_back(sized(*fallback_, pixels));
            const std::vector<bool> alsoLacking = missingGlyphs(dc_, fonts[1].font, line);
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (lacking[i] && !alsoLacking[i]) {
                    faceOf[i] = 1;
                    lacking[i] = false;
                }
            }
        }
        std::wstring letters;
        for (std::size_t i = 0; i < line.size(); ++i)
            if (lacking[i])
                letters += line[i];
        if (const LOGFONTW* found = letters.empty() ? nullptr : faceFor(letters)) {
            fonts.push_back(sized(*found, pixels));
            for (std::size_t i = 0; i < line.size(); ++i)
                if (lacking[i])
                    faceOf[i] = fonts.size() - 1;
        }
        if (isRightToLeft(line)) {
            const auto first = std::find_if(
                faceOf.begin(), faceOf.end(), [](std::size_t face) { return face != 0; });
            if (first != faceOf.end())
                std::fill(faceOf.begin(), faceOf.end(), *first);
        } else {
            for (std::size_t i = 1; i < line.size(); ++i)
                if (isNeutral(line[i]))
                    faceOf[i] = faceOf[i - 1];
        }
    }
    std::vector<FaceRun> runs;
    for (std::size_t from = 0; from < line.size();) {
        std::size_t to = from + 1;
        while (to < line.size() && faceOf[to] == faceOf[from])
            ++to;
        const SizedFont& font = fonts[faceOf[from]];
        const std::wstring_view run = line.substr(from, to - from);
        runs.push_back({ run, font.font, font.ascent, isRightToLeft(run) });
        from = to;
    }
    return runs;
}

} // namespace ui::win32
