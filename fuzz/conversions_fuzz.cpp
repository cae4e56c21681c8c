// Fuzzes the three display conversions with arbitrary UTF-16 text and, from the
// first eight bytes of the input, an arbitrary double.
//
// What must hold, whatever the input:
// - nothing crashes, and no sanitizer finds anything;
// - ParseLenient never fails: it returns a number, never NaN;
// - where the C library can read the same text (plain decimal text, with its
//   blanks taken out and 'D' as 'E' for the lenient read; '&H' and '&O' integers
//   of up to 64 bits), both reads give the number it gives;
// - ParseStrict either returns a finite number that ParseLenient reads the same, or
//   raises TypeMismatch or Overflow, and Overflow only where ParseLenient reads an
//   infinity;
// - for every finite x, NumberToText(x) holds only digits, '.', '-', '+' and 'E',
//   ParseStrict reads it back as x rounded to 15 significant digits, and writing
//   that number again gives the same text. (The largest doubles, from about
//   1.797693134862315E+308 up, round to 1.79769313486232E+308, which lies beyond
//   the range of a double; for them ParseStrict must report the overflow.)
// Any breach aborts, which libFuzzer reports as a crash with the input saved.

#include "fuzz_text.h"

#include "calc/conversions.h"
#include "calc/runtime_error.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, std::u16string_view text)
{
    std::fprintf(stderr, "conversions_fuzz: %s\n  text (%zu units):", what, text.size());
    for (std::size_t i = 0; i < text.size() && i < 64; ++i)
        std::fprintf(stderr, " %04X", static_cast<unsigned>(text[i]));
    std::fprintf(stderr, "%s\n", text.size() > 64 ? " ..." : "");
    std::abort();
}

void check(bool condition, const char* what, std::u16string_view text)
{
    if (!condition)
        fail(what, text);
}

bool sameNumber(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// x rounded to 15 significant digits by the C library, which rounds exactly: an
// oracle of its own, not the conversion under test.
double roundedTo15Digits(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

// The C library's correctly rounded reading of a plain decimal text, in the C locale
// whatever the process locale is.
double libcDecimal(const std::string& text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
}

// The text as the C library would read it leniently, or "" when it holds anything
// the library reads differently: blanks taken out, 'D' made 'E'.
std::string asPlainDecimal(std::u16string_view text, bool lenient)
{
    std::string plain;
    for (const char16_t c : text) {
        if (lenient && (c == u' ' || c == u'\t' || c == u'\n'))
            continue;
        if (lenient && (c == u'D' || c == u'd')) {
            plain.push_back('e');
        } else if ((c >= u'0' && c <= u'9') || c == u'.' || c == u'+' || c == u'-' || c == u'e'
            || c == u'E' || (!lenient && c == u' ')) {
            plain.push_back(static_cast<char>(c));
        } else {
            return {};
        }
    }
    return plain;
}

// A '&H' or '&O' text's value, where its digits fit in 64 bits; NaN otherwise.
double libcRadixInteger(std::u16string_view text)
{
    std::string plain;
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            plain.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    if (plain.size() < 2 || plain[0] != '&')
        return std::nan("");
    const bool hex = plain[1] == 'H' || plain[1] == 'h';
    if (!hex && plain[1] != 'O' && plain[1] != 'o')
        return std::nan("");
    const std::string digits = hex ? "0123456789abcdefABCDEF" : "01234567";
    const std::size_t end = std::min(plain.find_first_not_of(digits, 2), plain.size());
    std::string run = plain.substr(2, end - 2);
    run.erase(0, std::min(run.find_first_not_of('0'), run.size()));
    if (run.size() > (hex ? 16U : 21U))
        return std::nan("");
    if (run.empty())
        return 0;
    return static_cast<double>(std::strtoull(run.c_str(), nullptr, hex ? 16 : 8));
}

// ParseStrict's outcome: the number, or the error it raised. Any other exception
// escapes and ends the run as a crash.
struct StrictRead {
    bool ok = false;
    double value = 0;
    calc::ErrorKind error {};
};

StrictRead parseStrict(std::u16string_view text)
{
    try {
        return { true, calc::ParseStrict(text), {} };
    } catch (const calc::RuntimeError& e) {
        return { false, 0, e.kind() };
    }
}

void checkWrite(double x, std::u16string_view source)
{
    if (!std::isfinite(x))
        return;
    const std::u16string text = calc::NumberToText(x);
    check(!text.empty(), "NumberToText wrote nothing", source);
    for (const char16_t c : text) {
        const bool allowed
            = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'E';
        if (!allowed)
            fail("NumberToText wrote a character other than 0-9 . - + E", text);
    }
    const StrictRead back = parseStrict(text);
    const double expected = roundedTo15Digits(x);
    if (std::isinf(expected)) {
        // The largest doubles round to 1.79769313486232E+308, which is beyond the
        // range of a double: ParseStrict can only report the overflow.
        check(!back.ok && back.error == calc::ErrorKind::Overflow,
            "NumberToText(x) beyond the largest double does not read back as an overflow", text);
        return;
    }
    check(back.ok, "ParseStrict refused a text NumberToText wrote", text);
    // -0 is written as "0": compare values, not signs.
    check(back.value == expected, "NumberToText(x) reads back other than x to 15 digits", text);
    check(calc::NumberToText(back.value) == text, "writing the read-back number changes the text",
        text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Run under a locale with a decimal comma where the machine has one, so that
    // anything depending on the process locale shows up.
    for (const char* name : { "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "C.UTF-8" }) {
        if (std::setlocale(LC_ALL, name))
            break;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        checkWrite(x, u"(the input's first eight bytes as a double)");
    }

    fuzzing::ByteReader reader(data, size);
    const std::u16string text = reader.readText();

    const double lenient = calc::ParseLenient(text);
    check(!std::isnan(lenient), "ParseLenient read NaN", text);

    const StrictRead strict = parseStrict(text);
    if (strict.ok) {
        check(std::isfinite(strict.value), "ParseStrict returned a non-finite number", text);
        check(sameNumber(strict.value, lenient), "ParseLenient reads a strict number differently",
            text);
    } else if (strict.error == calc::ErrorKind::Overflow) {
        check(std::isinf(lenient), "ParseStrict overflowed where ParseLenient read a finite number",
            text);
    } else {
        check(strict.error == calc::ErrorKind::TypeMismatch,
            "ParseStrict raised an error other than TypeMismatch or Overflow", text);
    }

    const std::string plain = asPlainDecimal(text, true);
    if (!plain.empty())
        check(sameNumber(lenient, libcDecimal(plain)), "ParseLenient disagrees with strtod", text);
    const double radix = libcRadixInteger(text);
    if (!std::isnan(radix))
        check(lenient == radix, "ParseLenient disagrees with strtoull on a '&H' or '&O' integer",
            text);
    if (strict.ok || strict.error == calc::ErrorKind::Overflow) {
        const double expected = libcDecimal(asPlainDecimal(text, false));
        if (strict.ok)
            check(sameNumber(strict.value, expected), "ParseStrict disagrees with strtod", text);
        else
            check(std::isinf(expected), "ParseStrict overflowed where strtod did not", text);
    }

    checkWrite(lenient, text);
    if (strict.ok)
        checkWrite(strict.value, text);
    return 0;
}
