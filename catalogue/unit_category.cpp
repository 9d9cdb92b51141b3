#include "catalogue/unit_category.h"

#include <cmath>
#include <limits>

void CUnitCategory::SetUnitList(std::wstring_view list) {
    m_arrUnits.clear();
    std::wstring_view::size_type start = 0;
    for (auto end = list.find(L'$'); end != std::wstring_view::npos && end > start;
         end = list.find(L'$', start)) {
        m_arrUnits.emplace_back(list.substr(start, end - start));
        start = list.find_first_not_of(L'$', end);
        if (start == std::wstring_view::npos)
            break;
    }
}

int CUnitCategory::GetUnitCount() const {
    return static_cast<int>(std::sqrt(static_cast<double>(m_arrFactors.size())));
}

double CUnitCategory::GetFactor(int from, int to) const {
    const int n = GetUnitCount();
    if (from < 0 || from >= n || to < 0 || to >= n)
        return std::numeric_limits<double>::quiet_NaN();
    return m_arrFactors[static_cast<std::size_t>(from) * static_cast<std::size_t>(n) +
                        static_cast<std::size_t>(to)];
}
