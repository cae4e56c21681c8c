#pragma once

#include <string>
#include <string_view>

namespace ui::win32 {

// The engine's UTF-16 texts and Windows' wide strings are the same 16-bit units;
// these copy, never convert.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring toWide(std::u16string_view text) { return { text.begin(), text.end() }; }
inline std::u16string fromWide(std::wstring_view text) { return { text.begin(), text.end() }; }

} // namespace ui::win32
