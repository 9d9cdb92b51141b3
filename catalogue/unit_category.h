#pragma once

#include <string>
#include <string_view>
#include <vector>

// One conversion category: its display name, its unit names in display order and the
// row-major factor table. cell[f][t] is the number of units t that make one unit f.
class CUnitCategory {
public:
    CUnitCategory() = default;
    virtual ~CUnitCategory() = default;
    CUnitCategory(const CUnitCategory&) = default;
    CUnitCategory& operator=(const CUnitCategory&) = default;
    CUnitCategory(CUnitCategory&&) noexcept = default;
    CUnitCategory& operator=(CUnitCategory&&) noexcept = default;

    // Replaces the unit names with those of a '$'-terminated list: every name is followed by
    // one or more '$'; text after the last '$' is not a name, and a list that begins with '$'
    // holds no names. Names are taken as they stand, blanks and tabs included.
    void SetUnitList(std::wstring_view list);

    // N: the whole part of the square root of the factor count. Entries beyond N x N are
    // trailing zeros that nothing reads.
    int GetUnitCount() const;

    // Element from * N + to of the factor table: the number of units `to` in one unit `from`.
    // NaN when either index lies outside 0..N-1.
    double GetFactor(int from, int to) const;

    std::wstring m_strName;
    std::vector<std::wstring> m_arrUnits;
    std::vector<double> m_arrFactors;
};
