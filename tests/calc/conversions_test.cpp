#include "calc/conversions.h"
#include "calc/runtime_error.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <random>
#include <string>
#include <vector>

// Counts allocations, so that the tests can hold the conversions to allocating
// nothing beyond their result.
namespace {
std::atomic<long> allocations { 0 };
} // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using calc::ErrorKind;
using calc::NumberToText;
using calc::ParseLenient;
using calc::ParseStrict;
using calc::RuntimeError;

constexpr double kInf = std::numeric_limits<double>::infinity();

// A readable trace of a UTF-16 text: ASCII as it is, anything else as \uXXXX.
std::string show(std::u16string_view text)
{
    std::string out = "'";
    for (char16_t c : text.substr(0, 60)) {
        char buf[8];
        std::snprintf(buf, sizeof buf, c >= 0x20 && c < 0x7F ? "%c" : "\\u%04X", unsigned(c));
        out += buf;
    }
    return out + (text.size() > 60 ? "...' (" + std::to_string(text.size()) + " chars)" : "'");
}

// x rounded to 15 significant digits by the C library, a path apart from the one
// NumberToText takes.
double roundTo15(double x)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    return std::strtod(buf, nullptr);
}

struct ReadCase {
    std::u16string text;
    double expected;
};

// Both reads agree on these.
const std::vector<ReadCase> kNumbers = { { u" 5 ", 5 }, { u"-3", -3 }, { u"+5", 5 }, { u"05", 5 },
    { u"7.", 7 }, { u"-.25", -0.25 }, { u"1.5E+20", 1.5e20 }, { u"1e3", 1000 },
    // Read one unit in the last place low by some standard libraries' readers.
    { u"6.63014535587353E+25", 6.63014535587353E+25 },
    { u"5.22389089965733E+21", 5.22389089965733E+21 },
    { u"7.30417154318176E+29", 7.30417154318176E+29 }, { u"2.5E-3", 0.0025 }, { u"1E-400", 0 },
    { u"4.94065645841247E-324", std::numeric_limits<double>::denorm_min() },
    { u"0." + std::u16string(1000, u'0') + u"123E1001", 1.23 },
    { u"1" + std::u16string(100000, u'0') + u"E-100000", 1 },
    { u"0." + std::u16string(100000, u'0') + u"1", 0 },
    // Halfway between 1 and the next double: ties to even, unless a digit far beyond
    // the first 768 says the text lies above the halfway point.
    { u"1.00000000000000011102230246251565404236316680908203125", 1 },
    { u"1.00000000000000011102230246251565404236316680908203125" + std::u16string(1000, u'0')
            + u"1",
        std::nextafter(1.0, 2.0) } };

TEST(ConversionsTest, ReadsNumbers)
{
    for (const auto& [text, expected] : kNumbers) {
        SCOPED_TRACE(show(text));
        EXPECT_EQ(ParseLenient(text), expected);
        EXPECT_EQ(ParseStrict(text), expected);
    }
}

TEST(ConversionsTest, LenientReadsTheNumericBeginning)
{
    const std::u16string hexHalfway = u"&H20000000000001" + std::u16string(10, u'0');
    const std::vector<ReadCase> cases = { { u"", 0 }, { u" ", 0 }, { u"..5", 0 }, { u"1 2", 12 },
        { u"\t1\n2 . 5", 12.5 }, { u"- 5", -5 }, { u"1\r2", 1 }, { u"0.5%", 0.5 }, { u"1,5", 1 },
        { u"1.5.3", 1.5 }, { u"12abc", 12 }, { u"+-5", 0 }, { u"E5", 0 }, { u"2D3", 2000 },
        { u"2d-3", 0.002 }, { u"1 E 5", 1e5 }, { u"1E", 1 }, { u"1E+", 1 }, { u"1E5.3", 1e5 },
        { u"1E400", kInf }, { u"-1E400", -kInf }, { u"1E99999999999999999999", kInf },
        { std::u16string(100000, u'1'), kInf }, { std::u16string(100000, u' ') + u"5", 5 },
        { std::u16string { u'7', u'\0', u'8' }, 7 }, { u"\u0661\u0662", 0 }, { u"1\uFF12", 1 },
        { std::u16string(100000, char16_t(0xD800)), 0 },
        { std::u16string { u'4', char16_t(0xDC00), u'2' }, 4 }, { u"&H1F", 31 }, { u"&hff", 255 },
        { u" & H F F", 255 }, { u"&HFFFF", 65535 }, { u"&O17", 15 }, { u"&o778", 63 }, { u"&H", 0 },
        { u"&HG", 0 }, { u"&O8", 0 }, { u"&X1", 0 }, { u"-&H10", 0 },
        { u"&H10000000000000000", std::ldexp(1.0, 64) }, { hexHalfway, std::ldexp(1.0, 93) },
        { hexHalfway + u"1", std::ldexp(std::nextafter(1.0, 2.0), 97) },
        { u"&H" + std::u16string(100000, u'F'), kInf } };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(show(text));
        EXPECT_EQ(ParseLenient(text), expected);
    }
    EXPECT_TRUE(std::signbit(ParseLenient(u"-1E-400")));
}

TEST(ConversionsTest, StrictRejectsAnythingButOneNumber)
{
    const auto mismatch = ErrorKind::TypeMismatch;
    const struct {
        std::u16string text;
        ErrorKind error;
    } cases[] = { { u"", mismatch }, { u" ", mismatch }, { u"0.05%", mismatch },
        { u"1.2.3", mismatch }, { u"abc", mismatch }, { u"1 2", mismatch }, { u"- 5", mismatch },
        { u".", mismatch }, { u"+", mismatch }, { u"1,5", mismatch }, { u"1D3", mismatch },
        { u"1E", mismatch }, { u"1E+", mismatch }, { u"&H10", mismatch }, { u"\t5", mismatch },
        { u"5\t", mismatch }, { u"5\n", mismatch }, { u"Infinity", mismatch }, { u"NaN", mismatch },
        { u"\u0661", mismatch }, { std::u16string { u'5', u'\0' }, mismatch },
        { std::u16string(1, 0xD800), mismatch }, { std::u16string(100000, u' '), mismatch },
        { u"1E400", ErrorKind::Overflow }, { u"-1E400", ErrorKind::Overflow },
        { u"1.79769313486232E+308", ErrorKind::Overflow },
        { std::u16string(400, u'9'), ErrorKind::Overflow } };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(show(text));
        try {
            ParseStrict(text);
            ADD_FAILURE() << "accepted";
        } catch (const RuntimeError& thrown) {
            EXPECT_EQ(thrown.kind(), error);
        }
    }
}

TEST(ConversionsTest, WritesNumbers)
{
    const struct {
        double x;
        std::u16string_view text;
    } cases[] = { { 15, u"15" }, { -7, u"-7" }, { 0.05, u"0.05" }, { -0.25, u"-0.25" },
        { 0.0, u"0" }, { -0.0, u"0" }, { 1234.5, u"1234.5" }, { 0.1 + 0.2, u"0.3" },
        { 2.0 / 3, u"0.666666666666667" }, { 1.0 / 3, u"0.333333333333333" },
        { 123456789012345.0, u"123456789012345" }, { 1e14, u"100000000000000" }, { 1e15, u"1E+15" },
        { 999999999999999.5, u"1E+15" }, { 1.5e20, u"1.5E+20" }, { -1.5e300, u"-1.5E+300" },
        { 1e308, u"1E+308" }, { DBL_MAX, u"1.79769313486232E+308" }, { 0.0001, u"0.0001" },
        { std::nextafter(0.0001, 0.0), u"0.0001" },
        { 0.000123456789012345678, u"0.000123456789012346" }, { 0.00001, u"1E-05" },
        { -1.5e-7, u"-1.5E-07" }, { 1e-20, u"1E-20" },
        { std::numeric_limits<double>::denorm_min(), u"4.94065645841247E-324" },
        { kInf, u"Infinity" }, { -kInf, u"-Infinity" }, { std::nan(""), u"NaN" } };
    for (const auto& [x, text] : cases) {
        SCOPED_TRACE(x);
        EXPECT_EQ(NumberToText(x), text);
    }
}

// Every finite double written and read back is the double rounded to 15 digits (or,
// just below the largest double, beyond the range, which the tables cover).
TEST(ConversionsTest, WrittenNumbersReadBack)
{
    std::mt19937_64 random(2009);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    int failures = 0;
    for (int i = 0; i < 300000 && failures < 10; ++i) {
        // Random bit patterns, random magnitudes, and magnitudes around 1E15 and 1E-4.
        const std::uint64_t bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x); // emscripten's libc++ has no std::bit_cast
        if (i % 3 == 1) {
            x = mantissa(random) * std::pow(10.0, static_cast<int>(bits % 61) - 30);
        } else if (i % 3 == 2) {
            x = std::ldexp(mantissa(random), (i % 2 ? 47 : -17) + static_cast<int>(bits % 4));
        }
        if (!std::isfinite(x)) {
            continue;
        }
        const double expected = roundTo15(x);
        const std::u16string text = NumberToText(x);
        const bool exponentForm
            = expected != 0 && (std::fabs(expected) >= 1e15 || std::fabs(expected) < 1e-4);
        if (text.find_first_not_of(u"0123456789.-+E") != std::u16string::npos
            || (text.find(u'E') != std::u16string::npos) != exponentForm
            || ParseLenient(text) != expected
            || (std::isfinite(expected) && ParseStrict(text) != expected)) {
            ++failures;
            ADD_FAILURE() << "x = " << std::hexfloat << x << " written as " << show(text);
        }
    }
}

TEST(ConversionsTest, AllocateNothingButTheResult)
{
    const std::u16string hostile[]
        = { u"&H" + std::u16string(1000, u'F'), std::u16string(100000, u'1') };
    const long before = allocations;
    for (const auto& text : hostile) {
        ParseLenient(text);
    }
    for (const auto& [text, expected] : kNumbers) {
        ParseLenient(text);
        ParseStrict(text);
    }
    EXPECT_EQ(allocations - before, 0);

    for (const double x : { 1.0, -DBL_MAX, 2.0 / 3, -1.5e-300 }) {
        const long start = allocations;
        const auto text = NumberToText(x);
        EXPECT_LE(allocations - start, 1) << show(text);
    }
}

} // namespace
