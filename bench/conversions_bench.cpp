// How long the keys spend converting between the display text and numbers. Each
// benchmark runs its conversion over a fixed mix of what the keys meet; the
// "per_conversion" counter is the time of one conversion.
#include "calc/conversions.h"

#include <benchmark/benchmark.h>

#include <cfloat>
#include <string_view>

namespace {

// Texts the operator keys read: typed entries, results, leftovers and oddities.
constexpr std::u16string_view kLenientTexts[] = {
    u"12",
    u"0.333333333333333",
    u"1.5E+20",
    u"-7.",
    u"",
    u" ",
    u"123456789012345",
    u"0.05%",
    u"1 2 3",
    u"&HFF",
    u"1.79769313486232E+308",
    u"4.94065645841247E-324",
};

// Texts the function keys read: all of them numbers.
constexpr std::u16string_view kStrictTexts[] = {
    u"12",
    u"0.333333333333333",
    u"1.5E+20",
    u"-7.",
    u" 5 ",
    u"123456789012345",
    u"0.0001",
    u"1E-20",
    u"2.5",
    u"-0.25",
};

const double kNumbers[] = {
    15,
    -7,
    0.1 + 0.2,
    2.0 / 3,
    123456789012345.0,
    1e15,
    1.5e20,
    0.05,
    -1.5e-7,
    DBL_MAX,
    1234.5,
    0.0,
};

template <typename Items> void countConversions(benchmark::State& state, const Items& items)
{
    state.counters["per_conversion"]
        = benchmark::Counter(static_cast<double>(state.iterations()) * std::size(items),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void ParseLenientMix(benchmark::State& state)
{
    for (auto _ : state) {
        for (const auto text : kLenientTexts) {
            benchmark::DoNotOptimize(calc::ParseLenient(text));
        }
    }
    countConversions(state, kLenientTexts);
}
BENCHMARK(ParseLenientMix);

void ParseStrictMix(benchmark::State& state)
{
    for (auto _ : state) {
        for (const auto text : kStrictTexts) {
            benchmark::DoNotOptimize(calc::ParseStrict(text));
        }
    }
    countConversions(state, kStrictTexts);
}
BENCHMARK(ParseStrictMix);

void NumberToTextMix(benchmark::State& state)
{
    for (auto _ : state) {
        for (const double x : kNumbers) {
            benchmark::DoNotOptimize(calc::NumberToText(x));
        }
    }
    countConversions(state, kNumbers);
}
BENCHMARK(NumberToTextMix);

} // namespace
