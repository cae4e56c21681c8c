#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ui::qt {

// The engine keeps its texts as UTF-16, as QString does; these copy, never convert.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text) { return text.toStdU16String(); }

// A view of a QString's own UTF-16 units, for plain C++ code that only reads them.
inline std::u16string_view toU16View(const QString& text)
{
    return { reinterpret_cast<const char16_t*>(text.utf16()),
        static_cast<std::size_t>(text.size()) };
}

inline QString fromAscii(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

} // namespace ui::qt
