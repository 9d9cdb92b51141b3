#include "catalogue/catalogue_data.h"

namespace {

constexpr UnitSize kTemperatureSizes[] = {{1}, {1}, {1}, {1}, {1}};

} // namespace

const std::array<CategoryData, kCategoryCount> kCatalogueData = {{
    {L"Temperature", L"Reaumur (R)$Celsius (C)$Fahrenheit (F)$Kelvin (K)$Rankine$",
     kTemperatureSizes},
}};
