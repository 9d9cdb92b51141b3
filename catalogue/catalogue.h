#pragma once

#include "catalogue/unit_category.h"

#include <cstddef>
#include <string_view>
#include <vector>

// The converter's whole knowledge of units: the conversion categories in catalogue order.
// A category's position is its category index; it is also its position in the category tree.
class CCatalogue {
public:
    // Empties the catalogue and adds the 38 categories in their fixed order.
    void BuildCatalogue();

    // Builds one record and appends it. The table holds count doubles, row-major; only the
    // diagonal and the cells above it are read, the cells below are their exact reciprocals.
    void AddCategory(std::wstring_view name, std::wstring_view unitList, const double* table,
                     int count);

    // Index of the first category whose name equals name, ignoring the case of ASCII letters
    // only; -1 when there is none.
    int FindCategory(std::wstring_view name) const;

    void Clear();
    int GetCount() const { return static_cast<int>(m_arrCategories.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < GetCount(); }
    const CUnitCategory& operator[](int index) const {
        return m_arrCategories[static_cast<std::size_t>(index)];
    }
    // The unit count of category index, as its record derives it, held since the record was
    // added (records never change afterwards), so a conversion takes no square root.
    int GetUnitCount(int index) const { return m_arrUnitCounts[static_cast<std::size_t>(index)]; }

private:
    std::vector<CUnitCategory> m_arrCategories;
    std::vector<int> m_arrUnitCounts;
};
