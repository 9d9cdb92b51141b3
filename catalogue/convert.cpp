#include "catalogue/convert.h"

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_data.h"

#include <cstddef>

namespace {

enum TemperatureUnit { kReaumur, kCelsius, kFahrenheit, kKelvin, kRankine };

// The double nearest to 5/9 (bit pattern 0x3FE1C71C71C71C72).
constexpr double k = 0.5555555555555556;

// Each expression is written in the order of evaluation; the grouping decides the last bits
// (Kelvin to Rankine is (v - 273.15) * 1.8 + 491.67, not v * 1.8 + 32).
double ConvertTemperature(int from, int to, double v) {
    switch (from * 5 + to) {
    case kReaumur * 5 + kCelsius:
        return v * 1.25;
    case kReaumur * 5 + kFahrenheit:
        return v * 2.25 + 32;
    case kReaumur * 5 + kKelvin:
        return v * 1.25 + 273.15;
    case kReaumur * 5 + kRankine:
        return v * 2.25 + 491.67;
    case kCelsius * 5 + kReaumur:
        return v * 0.8;
    case kCelsius * 5 + kFahrenheit:
        return v * 1.8 + 32;
    case kCelsius * 5 + kKelvin:
        return v + 273.15;
    case kCelsius * 5 + kRankine:
        return v * 1.8 + 491.67;
    case kFahrenheit * 5 + kReaumur:
        return (v - 32) * k * 0.8;
    case kFahrenheit * 5 + kCelsius:
        return (v - 32) * k;
    case kFahrenheit * 5 + kKelvin:
        return (v - 32) * k + 273.15;
    case kFahrenheit * 5 + kRankine:
        return v + 459.67;
    case kKelvin * 5 + kReaumur:
        return (v - 273.15) * 0.8;
    case kKelvin * 5 + kCelsius:
        return v - 273.15;
    case kKelvin * 5 + kFahrenheit:
        return (v - 273.15) * 1.8 + 32;
    case kKelvin * 5 + kRankine:
        return (v - 273.15) * 1.8 + 491.67;
    case kRankine * 5 + kReaumur:
        return (v - 459.67 - 32) * k * 0.8;
    case kRankine * 5 + kCelsius:
        return (v - 459.67 - 32) * k;
    case kRankine * 5 + kFahrenheit:
        return v - 459.67;
    case kRankine * 5 + kKelvin:
        return (v - 459.67 - 32) * k + 273.15;
    default:
        return v;
    }
}

} // namespace

std::optional<double> ConvertValue(const CCatalogue& catalogue, int category, int from, int to,
                                   double value) {
    if (!catalogue.IsValidIndex(category))
        return std::nullopt;
    const CUnitCategory& units = catalogue[category];
    const int n = catalogue.GetUnitCount(category);
    if (from < 0 || from >= n || to < 0 || to >= n)
        return std::nullopt;
    if (from == to || category != kTemperatureCategory) {
        // The indices are checked above: read the cell directly rather than through
        // GetFactor, which would derive N again and check them again on every keystroke.
        const auto cell = static_cast<std::size_t>(from) * static_cast<std::size_t>(n) +
                          static_cast<std::size_t>(to);
        return units.m_arrFactors[cell] * value;
    }
    return ConvertTemperature(from, to, value);
}
