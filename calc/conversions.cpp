// The three conversions between the display text and doubles.
//
// Choices made here, and why:
// - Locale: none. '.' is the decimal separator for all three, so every result the
//   calculator writes reads back whole.
// - ParseLenient skips U+0020, tab and line feed wherever they stand, also between
//   digits and inside '&H' numbers. Nothing else is skipped: a carriage return, a
//   no-break space or a NUL ends the number like any other character.
// - ParseLenient reads 'E', 'e', 'D' and 'd' as the exponent letter. An exponent
//   letter without digits after it (with or without a sign) leaves the number read so
//   far: '1E' and '1E+' read as 1. A sign before '&H' ends the text: '-&H10' reads 0.
// - '&H' and '&O' (either case) read the digits that follow as an unsigned
//   hexadecimal or octal integer, correctly rounded to a double however many there
//   are ('&HFFFF' is 65535, not -1). No digits after the prefix reads as 0.
// - ParseStrict allows only U+0020 around the number and only 'E' or 'e' as the
//   exponent letter; 'D', tabs, '&H' and everything else are a type mismatch.
// - Numbers beyond the range of a double ('1E400'): ParseLenient gives an infinity of
//   that sign, which no key will store; ParseStrict fails with the overflow error.
//   Numbers too small for a double read as a zero of their sign (or as a denormal).
// - NumberToText writes plain notation for magnitudes from 1E-4 up to below 1E+15,
//   both judged after rounding to 15 digits, and exponent form outside that range
//   ('1E+15', '1.5E-07'); the small threshold is the one printf's %g uses. So the
//   plain text has at most 15 significant digits and at most four zeros before them.
// - The very largest doubles (from 1.797693134862315E+308 up) round, at 15 digits, to
//   '1.79769313486232E+308', just beyond the range of a double: the text is the correct
//   rounding, but reading it back is an overflow.
// - NumberToText writes an infinity as 'Infinity' or '-Infinity' and a NaN as 'NaN'.
//   No key formats one; should one reach the display, the lenient read takes it as 0
//   and the strict read as a type mismatch.
// - Allocation: none in the reads, none in NumberToText beyond its result. Digits are
//   gathered into a buffer on the stack. A double needs at most 768 significant
//   digits to round correctly, so further digits are dropped and only whether one of
//   them was non-zero is kept, as a trailing '1'; the reader then rounds the
//   shortened text exactly as it would have rounded the whole one.
// - The decimal text is read by fast_float, which rounds correctly on every build.
//   Some standard libraries' std::from_chars do not: the 32-bit MinGW runtime reads
//   '6.63014535587353E+25' one unit in the last place low.
// - The 15-digit rounding comes from std::to_chars with a precision, or, where the
//   standard library lacks that (emscripten's libc++), from snprintf's "%.14e": its
//   C library rounds exactly too (the same text as glibc's for two million doubles
//   of every magnitude, near-ties included), and the browser build has only the
//   "C" locale, so the point is always '.'.
#include "conversions.h"

#include "runtime_error.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <system_error>

namespace calc {
namespace {

constexpr bool isDigit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }

constexpr bool isLenientBlank(char16_t c) noexcept { return c == u' ' || c == u'\t' || c == u'\n'; }

// Beyond this, an exponent only decides between zero and infinity.
constexpr std::int64_t kExponentCap = 1'000'000'000;

// The decimal number of a text, reduced to its significant digits: the value is
// digits × 10^scale (with the sticky digit, if any, as one more digit).
class DecimalDigits {
public:
    void addIntegerDigit(char16_t c) noexcept
    {
        if (count_ == 0 && c == u'0') {
            return; // a leading zero
        }
        if (!keep(c)) {
            ++scale_;
        }
    }

    void addFractionDigit(char16_t c) noexcept
    {
        if (count_ == 0 && c == u'0') {
            --scale_; // a zero between the point and the first significant digit
            return;
        }
        if (keep(c)) {
            --scale_;
        }
    }

    void addExponent(bool negative, std::int64_t exponent) noexcept
    {
        scale_ += negative ? -exponent : exponent;
    }

    // The value, or an infinity when it lies beyond the range of a double.
    double value(bool negative) noexcept
    {
        const double zero = negative ? -0.0 : 0.0;
        if (count_ == 0) {
            return zero;
        }
        const double infinity = negative ? -std::numeric_limits<double>::infinity()
                                         : std::numeric_limits<double>::infinity();
        // The power of ten of the first significant digit decides the clear cases;
        // 9.99E-325 is below half the smallest denormal.
        const std::int64_t leading = scale_ + count_ - 1;
        if (leading > 309) {
            return infinity;
        }
        if (leading < -325) {
            return zero;
        }

        std::int64_t exponent = scale_;
        char* first = buffer_ + 1;
        char* last = buffer_ + 1 + count_;
        if (sticky_) {
            *last++ = '1';
            --exponent;
        }
        if (negative) {
            *--first = '-';
        }
        *last++ = 'e';
        last = std::to_chars(last, buffer_ + sizeof buffer_, exponent).ptr;

        double result = 0.0;
        const auto [end, error] = fast_float::from_chars(first, last, result);
        if (error == std::errc::result_out_of_range) {
            return leading > 0 ? infinity : zero;
        }
        return error == std::errc() && end == last ? result : zero;
    }

private:
    static constexpr int kMaxDigits = 768;

    // Stores a significant digit; past the limit, only notes whether it was non-zero.
    bool keep(char16_t c) noexcept
    {
        if (count_ < kMaxDigits) {
            buffer_[1 + count_++] = static_cast<char>(c);
            return true;
        }
        sticky_ = sticky_ || c != u'0';
        return false;
    }

    // Sign, digits, sticky digit and an exponent such as "e-1093".
    char buffer_[1 + kMaxDigits + 1 + 32];
    std::int64_t scale_ = 0;
    int count_ = 0;
    bool sticky_ = false;
};

int radixDigit(char16_t c, int radix) noexcept
{
    int digit = radix;
    if (isDigit(c)) {
        digit = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        digit = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        digit = c - u'A' + 10;
    }
    return digit < radix ? digit : -1;
}

// Reads the hexadecimal (radix 16) or octal (radix 8) digits after the prefix. The
// first 61 or more significant bits are kept exactly, later digits only shift the
// value and make the lowest kept bit sticky, which lies below the 53 bits a double
// keeps and so makes the conversion round correctly.
double readRadixInteger(std::u16string_view text, int radix) noexcept
{
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    const std::uint64_t roomForDigit = std::numeric_limits<std::uint64_t>::max() >> bitsPerDigit;
    std::uint64_t kept = 0;
    std::int64_t droppedBits = 0;
    bool sticky = false;
    for (const char16_t c : text) {
        if (isLenientBlank(c)) {
            continue;
        }
        const int digit = radixDigit(c, radix);
        if (digit < 0) {
            break;
        }
        if (kept <= roomForDigit) {
            kept = kept << bitsPerDigit | static_cast<std::uint64_t>(digit);
        } else {
            // Far beyond the 1024 bits of the largest double; the cap keeps it an int.
            droppedBits = std::min<std::int64_t>(droppedBits + bitsPerDigit, 1 << 20);
            sticky = sticky || digit != 0;
        }
    }
    return std::ldexp(
        static_cast<double>(kept | (sticky ? 1u : 0u)), static_cast<int>(droppedBits));
}

// A position in the text that, for the lenient read, steps over blanks by itself.
class Cursor {
public:
    Cursor(std::u16string_view text, bool skipBlanks) noexcept
        : text_(text)
        , skipBlanks_(skipBlanks)
    {
    }

    // The next character, or NUL at the end (a NUL in the text ends a number too).
    char16_t peek() noexcept
    {
        while (skipBlanks_ && at_ < text_.size() && isLenientBlank(text_[at_])) {
            ++at_;
        }
        return at_ < text_.size() ? text_[at_] : u'\0';
    }
    void advance() noexcept { ++at_; }
    bool atEnd() const noexcept { return at_ == text_.size(); }
    std::u16string_view rest() const noexcept { return text_.substr(at_); }

private:
    std::u16string_view text_;
    std::size_t at_ = 0;
    bool skipBlanks_;
};

// Reads an optional sign, digits with at most one point and an optional exponent into
// digits. False when there was no digit, or, for the strict read, when an exponent
// letter has no digits after it; the lenient read then keeps the number before it.
bool readDecimal(Cursor& in, bool lenient, DecimalDigits& digits, bool& negative) noexcept
{
    char16_t c = in.peek();
    negative = c == u'-';
    if (c == u'+' || c == u'-') {
        in.advance();
    }

    bool sawDigit = false;
    bool sawPoint = false;
    for (c = in.peek(); isDigit(c) || (c == u'.' && !sawPoint); c = in.peek()) {
        in.advance();
        if (c == u'.') {
            sawPoint = true;
        } else if (sawPoint) {
            digits.addFractionDigit(c);
            sawDigit = true;
        } else {
            digits.addIntegerDigit(c);
            sawDigit = true;
        }
    }
    if (!sawDigit) {
        return false;
    }

    c = in.peek();
    if (!(c == u'E' || c == u'e' || (lenient && (c == u'D' || c == u'd')))) {
        return true;
    }
    in.advance();
    c = in.peek();
    const bool negativeExponent = c == u'-';
    if (c == u'+' || c == u'-') {
        in.advance();
    }
    if (!isDigit(in.peek())) {
        return lenient;
    }
    std::int64_t exponent = 0;
    for (c = in.peek(); isDigit(c); c = in.peek()) {
        in.advance();
        exponent = std::min(exponent * 10 + (c - u'0'), kExponentCap);
    }
    digits.addExponent(negativeExponent, exponent);
    return true;
}

} // namespace

double ParseLenient(std::u16string_view text) noexcept
{
    Cursor in(text, true);
    if (in.peek() == u'&') {
        in.advance();
        const char16_t prefix = in.peek();
        const bool hexadecimal = prefix == u'H' || prefix == u'h';
        if (!hexadecimal && prefix != u'O' && prefix != u'o') {
            return 0.0;
        }
        in.advance();
        return readRadixInteger(in.rest(), hexadecimal ? 16 : 8);
    }

    DecimalDigits digits;
    bool negative = false;
    if (!readDecimal(in, true, digits, negative)) {
        return 0.0;
    }
    return digits.value(negative);
}

double ParseStrict(std::u16string_view text)
{
    Cursor in(text, false);
    while (in.peek() == u' ') {
        in.advance();
    }
    DecimalDigits digits;
    bool negative = false;
    if (!readDecimal(in, false, digits, negative)) {
        throw RuntimeError(ErrorKind::TypeMismatch);
    }
    while (in.peek() == u' ') {
        in.advance();
    }
    if (!in.atEnd()) {
        throw RuntimeError(ErrorKind::TypeMismatch);
    }

    const double value = digits.value(negative);
    if (std::isinf(value)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return value;
}

std::u16string NumberToText(double x)
{
    if (std::isnan(x)) {
        return u"NaN";
    }
    if (std::isinf(x)) {
        return x < 0 ? u"-Infinity" : u"Infinity";
    }

    // "-d.dddddddddddddde-ddd": an exact rounding to 15 significant digits.
    char rounded[32];
#ifdef ORVI_WRITE_WITH_SNPRINTF
    const char* const end = rounded + std::snprintf(rounded, sizeof rounded, "%.14e", x);
#else
    const char* const end
        = std::to_chars(rounded, rounded + sizeof rounded, x, std::chars_format::scientific, 14)
              .ptr;
#endif
    const bool negative = rounded[0] == '-';
    const char* p = rounded + (negative ? 1 : 0);

    char digits[15];
    int count = 0;
    digits[count++] = *p++;
    ++p; // the point
    while (*p != 'e') {
        digits[count++] = *p++;
    }
    ++p;
    const bool negativeExponent = *p++ == '-';
    int exponent = 0;
    std::from_chars(p, end, exponent);
    if (negativeExponent) {
        exponent = -exponent;
    }
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }
    if (count == 1 && digits[0] == '0') {
        return u"0"; // also for -0
    }

    char text[32];
    int length = 0;
    if (negative) {
        text[length++] = '-';
    }
    if (exponent >= 15 || exponent < -4) {
        text[length++] = digits[0];
        if (count > 1) {
            text[length++] = '.';
            for (int i = 1; i < count; ++i) {
                text[length++] = digits[i];
            }
        }
        text[length++] = 'E';
        text[length++] = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            text[length++] = '0';
        }
        length = static_cast<int>(
            std::to_chars(text + length, text + sizeof text, magnitude).ptr - text);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) {
            text[length++] = i < count ? digits[i] : '0';
        }
        if (count > exponent + 1) {
            text[length++] = '.';
            for (int i = exponent + 1; i < count; ++i) {
                text[length++] = digits[i];
            }
        }
    } else {
        text[length++] = '0';
        text[length++] = '.';
        for (int i = -1; i > exponent; --i) {
            text[length++] = '0';
        }
        for (int i = 0; i < count; ++i) {
            text[length++] = digits[i];
        }
    }
    return std::u16string(text, text + length);
}

} // namespace calc
