// How long the keys spend converting between the display text and numbers. Each
// benchmark runs its conversion over a fixed mix of what the keys meet; the
// "per_conversion" counter is the time of one conversion.
#include "calc/conversions.h"

#include <benchmark/benchmark.h>

#include <cfloat>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

// Debian builds the benchmark library optimised but without NDEBUG, so the console
// report opens with "Library was built as DEBUG. Timings may be affected." That keeps
// the library's own checks on, and they run once per batch of iterations; the timed
// loops above come from the library's header, compiled here without checks. So the
// times are not affected. This reporter hands everything to the reporter that
// --benchmark_format chose, and leaves that one line out.
class WithoutDebugLibraryNotice final : public benchmark::BenchmarkReporter {
public:
    explicit WithoutDebugLibraryNotice(benchmark::BenchmarkReporter& chosen)
        : chosen_(chosen)
    {
    }

    bool ReportContext(const Context& context) override
    {
        std::ostream& errors = chosen_.GetErrorStream();
        std::ostringstream text;
        chosen_.SetErrorStream(&text);
        const bool run = chosen_.ReportContext(context);
        chosen_.SetErrorStream(&errors);
        std::istringstream lines(text.str());
        for (std::string line; std::getline(lines, line);) {
            if (line.find("Library was built as DEBUG") == std::string::npos)
                errors << line << '\n';
        }
        return run;
    }
    void ReportRuns(const std::vector<Run>& runs) override { chosen_.ReportRuns(runs); }
    void Finalize() override { chosen_.Finalize(); }

private:
    benchmark::BenchmarkReporter& chosen_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    WithoutDebugLibraryNotice reporter(*benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
