#include "shaped_line.h"

namespace ui::win32 {

ShapedLine::ShapedLine(HDC dc, const std::vector<FaceRun>& runs)
    : dc_(dc)
{
    const HGDIOBJ old = GetCurrentObject(dc, OBJ_FONT);
    for (const FaceRun& run : runs) {
        SelectObject(dc, run.font);
        const int length = static_cast<int>(run.text.size());
        const DWORD flags = SSA_GLYPHS | (run.rightToLeft ? SSA_RTL : 0);
        SCRIPT_STRING_ANALYSIS analysis = nullptr;
        if (FAILED(ScriptStringAnalyse(dc, run.text.data(), length, length * 3 / 2 + 16, -1, flags,
                0, nullptr, nullptr, nullptr, nullptr, nullptr, &analysis)))
            continue;
        runs_.push_back({ analysis, run.font, run.ascent, ScriptString_pSize(analysis)->cx });
    }
    SelectObject(dc, old);
}

ShapedLine::~ShapedLine()
{
    for (Run& run : runs_)
        ScriptStringFree(&run.analysis);
}

int ShapedLine::width() const
{
    int width = 0;
    for (const Run& run : runs_)
        width += run.width;
    return width;
}

void ShapedLine::draw(int x, int baseline) const
{
    const HGDIOBJ old = GetCurrentObject(dc_, OBJ_FONT);
    for (const Run& run : runs_) {
        SelectObject(dc_, run.font);
        // Uniscribe puts the top of the font's cell at y.
        ScriptStringOut(run.analysis, x, baseline - run.ascent, 0, nullptr, 0, 0, FALSE);
        x += run.width;
    }
    SelectObject(dc_, old);
}

} // namespace ui::win32
