#pragma once

#include <string>
#include <string_view>

// Numbers travel through the display as text. These are the three ways the keys
// convert between the display's UTF-16 text and doubles. None of them depends on
// the process locale: '.' is always the decimal separator.
namespace calc {

// Reads the number at the start of the text, skipping blanks, tabs and line feeds
// anywhere; stops at the first character that cannot continue the number. Never
// fails: a text without digits reads as 0. '&H' and '&O' prefixes read hexadecimal
// and octal integers; 'D' works like 'E' as the exponent letter.
double ParseLenient(std::u16string_view text) noexcept;

// Reads a text that must be exactly one number, with optional blanks around it.
// Throws RuntimeError(TypeMismatch) for anything else.
double ParseStrict(std::u16string_view text);

// Writes x rounded to 15 significant digits: plain notation without trailing zeros,
// exponent form ("1E+15", "1.5E-20") for large and very small magnitudes.
std::u16string NumberToText(double x);

} // namespace calc
