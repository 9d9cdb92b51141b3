#include "catalogue/convert.h"

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

enum { kReaumur, kCelsius, kFahrenheit, kKelvin, kRankine };

class ConvertValueTest : public testing::Test {
protected:
    static void SetUpTestSuite() { catalogue_.BuildCatalogue(); }

    // Converts between two units named in a category named; fails the test when one is missing.
    static std::optional<double> Convert(std::wstring_view category, std::wstring_view from,
                                         std::wstring_view to, double value) {
        const int c = catalogue_.FindCategory(category);
        EXPECT_GE(c, 0) << std::wstring(category);
        if (c < 0)
            return std::nullopt;
        const auto& units = catalogue_[c].m_arrUnits;
        const auto f = std::find(units.begin(), units.end(), from);
        const auto t = std::find(units.begin(), units.end(), to);
        EXPECT_NE(f, units.end()) << std::wstring(from);
        EXPECT_NE(t, units.end()) << std::wstring(to);
        return ConvertValue(catalogue_, c, static_cast<int>(f - units.begin()),
                            static_cast<int>(t - units.begin()), value);
    }

    static CCatalogue catalogue_;
};

CCatalogue ConvertValueTest::catalogue_;

std::uint64_t Bits(double d) {
    return std::bit_cast<std::uint64_t>(d);
}

// The grouping of each formula decides the last bits: 0 K is not 0 degrees Rankine.
TEST_F(ConvertValueTest, TemperatureFormulasAreBitExact) {
    const struct {
        int from;
        int to;
        double value;
        double expected;
    } cases[] = {
        {kCelsius, kFahrenheit, 100, 212},
        {kCelsius, kKelvin, 100, 373.15},
        {kCelsius, kReaumur, 100, 80},
        {kCelsius, kRankine, 100, 671.6700000000001},
        {kFahrenheit, kCelsius, 212, 100},
        {kFahrenheit, kCelsius, 32, 0},
        {kFahrenheit, kCelsius, -40, -40},
        {kFahrenheit, kCelsius, 98.6, 37},
        {kFahrenheit, kCelsius, 0, -17.77777777777778},
        {kFahrenheit, kReaumur, 212, 80},
        {kFahrenheit, kKelvin, 100, 310.92777777777775},
        {kKelvin, kRankine, 0, 5.684341886080802e-14},
        {kKelvin, kRankine, 1, 1.8000000000000682},
        {kKelvin, kFahrenheit, 0, -459.66999999999996},
        {kRankine, kFahrenheit, 491.67, 32},
        {kRankine, kCelsius, 491.67, 0},
        {kRankine, kKelvin, 0, -5.684341886080802e-14},
        {kRankine, kReaumur, 0, -218.52000000000004},
        {kReaumur, kRankine, 0, 491.67},
        {kCelsius, kFahrenheit, 37, 98.60000000000001},
    };
    for (const auto& c : cases) {
        const auto result = ConvertValue(catalogue_, kTemperatureCategory, c.from, c.to, c.value);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(Bits(*result), Bits(c.expected))
            << c.value << " from unit " << c.from << " to unit " << c.to << " gave "
            << testing::PrintToString(*result);
    }
}

// Every formula agrees with the scales' definitions, so no pair of units is swapped.
TEST_F(ConvertValueTest, TemperatureFormulasMatchTheScales) {
    // Each scale as (kelvin - zero) * per kelvin.
    const long double zero[] = {273.15L, 273.15L, 273.15L - 32 / 1.8L, 0, 0};
    const long double perKelvin[] = {0.8L, 1, 1.8L, 1, 1.8L};
    for (const double value : {-500.0, -40.0, 0.0, 1.0, 36.6, 1000.0}) {
        for (int from = 0; from < 5; ++from) {
            for (int to = 0; to < 5; ++to) {
                const long double kelvin = value / perKelvin[from] + zero[from];
                const long double expected = (kelvin - zero[to]) * perKelvin[to];
                const auto result = ConvertValue(catalogue_, kTemperatureCategory, from, to, value);
                ASSERT_TRUE(result.has_value());
                EXPECT_NEAR(*result, static_cast<double>(expected), 1e-9)
                    << value << " from unit " << from << " to unit " << to;
            }
        }
    }
}

TEST_F(ConvertValueTest, SameUnitGivesTheValueBack) {
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -273.15,
                             1e308,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (int c = 0; c < catalogue_.GetCount(); ++c) {
        const int n = catalogue_[c].GetUnitCount();
        for (int u = 0; u < n; ++u) {
            for (const double value : values) {
                const auto result = ConvertValue(catalogue_, c, u, u, value);
                ASSERT_TRUE(result.has_value());
                EXPECT_EQ(Bits(*result), Bits(value)) << catalogue_[c].m_strName << " " << u;
            }
            const auto nan = ConvertValue(catalogue_, c, u, u, std::nan(""));
            ASSERT_TRUE(nan.has_value());
            EXPECT_TRUE(std::isnan(*nan));
        }
    }
}

TEST_F(ConvertValueTest, NoResultOutsideTheCatalogue) {
    const int last = kCategoryCount - 1;
    const int lastUnits = catalogue_[last].GetUnitCount();
    const int temperatureUnits = catalogue_[kTemperatureCategory].GetUnitCount();
    const struct {
        int category;
        int from;
        int to;
    } cases[] = {
        {-1, 0, 0},
        {kCategoryCount, 0, 0},
        {std::numeric_limits<int>::min(), 0, 0},
        {std::numeric_limits<int>::max(), 0, 0},
        {last, -1, 0},
        {last, 0, -1},
        {last, lastUnits, 0},
        {last, 0, lastUnits},
        {last, -1, -1},
        {kTemperatureCategory, temperatureUnits, 0},
        {kTemperatureCategory, 0, temperatureUnits},
        {kTemperatureCategory, -1, 1},
        {0, std::numeric_limits<int>::max(), 0},
        {0, 0, std::numeric_limits<int>::min()},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ConvertValue(catalogue_, c.category, c.from, c.to, 1.0).has_value())
            << c.category << " " << c.from << " " << c.to;
    }
    EXPECT_TRUE(ConvertValue(catalogue_, last, lastUnits - 1, 0, 1.0).has_value());
    EXPECT_FALSE(ConvertValue(CCatalogue{}, 0, 0, 0, 1.0).has_value());
}

TEST_F(ConvertValueTest, ConvertsTheCatalogueExamplesExactly) {
    const struct {
        std::wstring_view category;
        std::wstring_view from;
        std::wstring_view to;
        double value;
        double expected;
    } cases[] = {
        {L"Sound", L"Nepe", L"Decibel", 1, 8.68599},
        {L"Sound", L"Decibel", L"Nepe", 1, 1 / 8.68599},
        {L"Sound", L"Bel", L"Decibel", 1, 10},
        {L"Weight/Mass", L"Kilogram", L"Newton", 1, 9.807},
        {L"Weight/Mass", L"Newton", L"Kilogram", 1, 1 / 9.807},
        {L"Flow - Volume", L"cubic meter/second", L"kilogram/second", 1, 739.3290564342},
        {L"Computer Storage", L"KiloBit", L"Byte", 1, 128},
        {L"Computer Storage", L"ExaByte", L"ExaBit", 1, 8},
        {L"Computer Storage", L"Bit", L"KiloByte", 2048, 0.25},
        {L"Luminance", L"Lambert", L"Stilb", 1, 1},
        {L"Magnetic Flux Density", L"Tesla", L"Maxwell/square meter", 1, 1},
        {L"Length/Distance", L"Meter", L"Kilometer", 1, 0.001},
        {L"Length/Distance", L"Kilometer", L"Meter", 2.5, 2500},
        {L"Force", L"MegaNewton", L"Newton", 1, 1000678.57142867},
        {L"Energy/Work", L"Kilowatt Hour", L"Joule", 1, 3599712.02303816},
        {L"Date/Time", L"Week", L"Day", 1, 7},
        {L"Pressure", L"Atmosphere", L"Torr", 1, 760},
    };
    for (const auto& c : cases) {
        const auto result = Convert(c.category, c.from, c.to, c.value);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, c.expected)
            << c.value << " " << std::wstring(c.from) << " in " << std::wstring(c.to) << " gave "
            << testing::PrintToString(*result);
    }
}

TEST_F(ConvertValueTest, ProductsBeyondTheRangeBecomeInfinite) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Convert(L"Pressure", L"Exapascal", L"Attopascal", 1e300), kInfinity);
    EXPECT_EQ(Convert(L"Pressure", L"Exapascal", L"Attopascal", -1e300), -kInfinity);
    EXPECT_EQ(Convert(L"Pressure", L"Attopascal", L"Exapascal", 1e-300), 0.0);
}

} // namespace
