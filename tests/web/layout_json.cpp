// Writes the layout table as JSON for the browser test, which checks the page's
// elements against it: each control's name, kind, caption, place and size in
// twips, tab index, type size in points and accessible name, back to front.
#include "ui/layout.h"

#include <cstdio>
#include <string>

namespace {

std::string quoted(std::u16string_view text)
{
    std::string out = "\"";
    for (const char16_t unit : text) {
        char escaped[8];
        const bool plain = unit >= 0x20 && unit < 0x7F && unit != u'"' && unit != u'\\';
        std::snprintf(
            escaped, sizeof escaped, plain ? "%c" : "\\u%04x", static_cast<unsigned>(unit));
        out += escaped;
    }
    return out + '"';
}

std::string quoted(std::string_view text)
{
    return quoted(std::u16string(text.begin(), text.end()));
}

const char* kindName(ui::ControlKind kind)
{
    switch (kind) {
    case ui::ControlKind::Label:
        return "Label";
    case ui::ControlKind::Picture:
        return "Picture";
    case ui::ControlKind::TextBox:
        return "TextBox";
    case ui::ControlKind::Key:
        return "Key";
    case ui::ControlKind::Timer:
        break;
    }
    return "Timer";
}

} // namespace

int main(int argc, char** argv)
{
    std::FILE* out = argc > 1 ? std::fopen(argv[1], "w") : nullptr;
    if (!out)
        return 1;
    const char* separator = "";
    std::fprintf(out, "[\n");
    for (const ui::LayoutRow& row : ui::layoutRows()) {
        std::fprintf(out,
            "%s {\"name\": %s, \"kind\": \"%s\", \"caption\": %s, \"left\": %d, \"top\": %d, "
            "\"width\": %d, \"height\": %d, \"tab\": %d, \"points\": %g, \"access\": %s}",
            separator, quoted(row.name).c_str(), kindName(row.kind), quoted(row.caption).c_str(),
            row.left, row.top, row.width, row.height, row.tabIndex, row.fontPoints,
            quoted(row.accessibleName).c_str());
        separator = ",\n";
    }
    std::fprintf(out, "\n]\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
