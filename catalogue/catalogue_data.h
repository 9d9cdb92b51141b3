#pragma once

#include <array>
#include <span>
#include <string_view>

// A unit's size in its category's reference unit, held as the ratio num / den of the two
// numbers of its equality as written: "1 G = 9.8066499999 Meter/sq. second" is
// {9.8066499999, 1} and "1 Kilogram = 9.807 Newton" makes Newton {1, 9.807}. Keeping both
// numbers lets a table cell be computed with as few roundings as the ratio allows, so a cell
// between a unit and its reference unit is exactly the number written.
struct UnitSize {
    double num;
    double den = 1.0;
};

struct CategoryData {
    std::wstring_view name;
    // Unit names, each followed by '$', largest unit first.
    std::wstring_view unitList;
    // One size per unit, in the order of the list.
    std::span<const UnitSize> sizes;
};

inline constexpr int kCategoryCount = 38;
inline constexpr int kTemperatureCategory = 35;

extern const std::array<CategoryData, kCategoryCount> kCatalogueData;
