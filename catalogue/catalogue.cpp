#include "catalogue/catalogue.h"

#include "catalogue/catalogue_data.h"

#include <algorithm>
#include <cmath>

namespace {

// size(a) / size(b) = (a.num * b.den) / (a.den * b.num), skipping every factor of exactly 1,
// so that a ratio between a unit and its category's reference unit is never rounded twice.
double SizeQuotient(const UnitSize& a, const UnitSize& b) {
    const double num = b.den == 1.0 ? a.num : (a.num == 1.0 ? b.den : a.num * b.den);
    const double den = b.num == 1.0 ? a.den : (a.den == 1.0 ? b.num : a.den * b.num);
    return den == 1.0 ? num : num / den;
}

wchar_t AsciiLower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c;
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

} // namespace

void CCatalogue::Clear() {
    m_arrCategories.clear();
    m_arrCategories.shrink_to_fit();
    m_arrUnitCounts.clear();
    m_arrUnitCounts.shrink_to_fit();
}

void CCatalogue::BuildCatalogue() {
    Clear();
    m_arrCategories.reserve(kCatalogueData.size());
    m_arrUnitCounts.reserve(kCatalogueData.size());
    std::vector<double> table;
    for (const CategoryData& data : kCatalogueData) {
        const std::size_t n = data.sizes.size();
        table.assign(n * n, 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            table[i * n + i] = 1.0;
            for (std::size_t j = i + 1; j < n; ++j)
                table[i * n + j] = SizeQuotient(data.sizes[i], data.sizes[j]);
        }
        AddCategory(data.name, data.unitList, table.data(), static_cast<int>(table.size()));
    }
}

void CCatalogue::AddCategory(std::wstring_view name, std::wstring_view unitList,
                             const double* table, int count) {
    CUnitCategory category;
    category.m_strName = name;
    category.SetUnitList(unitList);
    category.m_arrFactors.assign(static_cast<std::size_t>(std::max(count, 0)), 0.0);
    const auto n = static_cast<std::size_t>(category.GetUnitCount());
    std::vector<double>& cells = category.m_arrFactors;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i; j < n; ++j) {
            cells[i * n + j] = table[i * n + j];
            if (j != i)
                cells[j * n + i] = 1.0 / table[i * n + j];
        }
    }
    m_arrUnitCounts.push_back(category.GetUnitCount());
    m_arrCategories.push_back(std::move(category));
}

int CCatalogue::FindCategory(std::wstring_view name) const {
    for (std::size_t i = 0; i < m_arrCategories.size(); ++i) {
        if (EqualIgnoringAsciiCase(m_arrCategories[i].m_strName, name))
            return static_cast<int>(i);
    }
    return -1;
}
