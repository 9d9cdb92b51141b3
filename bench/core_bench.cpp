// Each figure beside its yardstick: FormatNumber beside snprintf("%.15g"), ParseNumber beside
// strtod, over the same fixed values; the conversion and the catalogue build on their own.

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_data.h"
#include "catalogue/convert.h"
#include "framework/number_text.h"
#include "tests/built_catalogue.h"

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kValueCount = 1024;

// A fixed mix: a quarter each of short decimals as typed, conversion results with 16 and 17
// digits, doubles from random bits over the whole range, and values near the form's limits.
const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(1);
        std::vector<double> v;
        v.reserve(kValueCount);
        while (v.size() < kValueCount) {
            const double typed = static_cast<double>(random() % 100000) / 100.0;
            v.push_back(typed);
            v.push_back(-typed * 0.3048 / 3.0);
            double bits = 0;
            do {
                bits = std::bit_cast<double>(random());
            } while (!std::isfinite(bits));
            v.push_back(bits);
            const double limits[] = {0.0001, 0.00009999, 999999999999999.9, 1e15};
            v.push_back(std::nextafter(limits[random() % 4], 0.0));
        }
        return v;
    }();
    return values;
}

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (double v : Values()) {
            std::array<char, kMaxShownChars + 1> text{};
            t.emplace_back(text.data(), FormatNumber(v, text));
        }
        return t;
    }();
    return texts;
}

const std::vector<std::wstring>& WideTexts() {
    static const std::vector<std::wstring> texts = [] {
        std::vector<std::wstring> t;
        for (const std::string& text : Texts())
            t.emplace_back(text.begin(), text.end());
        return t;
    }();
    return texts;
}

void FormatNumberToBuffer(benchmark::State& state) {
    const std::vector<double>& values = Values();
    std::array<char, kMaxShownChars + 1> text{};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(values[i], text));
        benchmark::ClobberMemory();
        i = (i + 1) % values.size();
    }
}
BENCHMARK(FormatNumberToBuffer);

void FormatNumberToWideString(benchmark::State& state) {
    const std::vector<double>& values = Values();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(values[i]));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(FormatNumberToWideString);

void SnprintfG15(benchmark::State& state) {
    const std::vector<double>& values = Values();
    std::array<char, 32> text{};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(text.data(), text.size(), "%.15g", values[i]));
        benchmark::ClobberMemory();
        i = (i + 1) % values.size();
    }
}
BENCHMARK(SnprintfG15);

void ParseNumberWide(benchmark::State& state) {
    const std::vector<std::wstring>& texts = WideTexts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseNumber(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(ParseNumberWide);

void Strtod(benchmark::State& state) {
    const std::vector<std::string>& texts = Texts();
    std::size_t i = 0;
    for (auto _ : state) {
        char* end = nullptr;
        benchmark::DoNotOptimize(std::strtod(texts[i].c_str(), &end));
        benchmark::DoNotOptimize(end);
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(Strtod);

// Every ordered pair of units of one category in turn.
void ConvertAcross(benchmark::State& state, int category) {
    const CCatalogue& catalogue = BuiltCatalogue();
    const int units = catalogue.IsValidIndex(category) ? catalogue[category].GetUnitCount() : 0;
    if (units == 0) {
        state.SkipWithError("category has no units");
        return;
    }
    int from = 0;
    int to = 0;
    double value = 1.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(ConvertValue(catalogue, category, from, to, value));
        if (++to == units) {
            to = 0;
            from = (from + 1) % units;
        }
    }
}

// The first category: one multiplication by a table cell.
void ConvertValueByFactor(benchmark::State& state) {
    ConvertAcross(state, 0);
}
BENCHMARK(ConvertValueByFactor);

void ConvertValueTemperature(benchmark::State& state) {
    ConvertAcross(state, kTemperatureCategory);
}
BENCHMARK(ConvertValueTemperature);

void BuildCatalogue(benchmark::State& state) {
    CCatalogue catalogue;
    for (auto _ : state) {
        catalogue.BuildCatalogue();
        benchmark::DoNotOptimize(catalogue.GetCount());
    }
}
BENCHMARK(BuildCatalogue)->Unit(benchmark::kMicrosecond);

} // namespace
