#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

Names Parse(std::wstring_view list) {
    CUnitCategory category;
    category.m_arrUnits = {L"stale"};
    category.SetUnitList(list);
    return category.m_arrUnits;
}

TEST(SetUnitList, SplitsOnDollarRuns) {
    const struct {
        std::wstring_view list;
        Names names;
    } cases[] = {
        {L"a$$b$", {L"a", L"b"}},
        {L"a$b", {L"a"}},
        {L"$a$", {}},
        {L"", {}},
        {L"no dollar", {}},
        {L"Bel$Nepe$Decibel$", {L"Bel", L"Nepe", L"Decibel"}},
        {L"\tMilli$Fluid $", {L"\tMilli", L"Fluid "}},
        {L"x$$$", {L"x"}},
        {L"Inch mercury (32\u00B0F)$", {L"Inch mercury (32\u00B0F)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.list), c.names) << "list: " << std::wstring(c.list).size();
}

TEST(UnitCategory, UnitCountIsTheTruncatedSquareRootOfTheFactorCount) {
    const struct {
        std::size_t factors;
        int n;
    } cases[] = {{0, 0}, {1, 1}, {3, 1}, {4, 2}, {24, 4}, {25, 5}, {30, 5}, {2916, 54}};
    for (const auto& c : cases) {
        CUnitCategory category;
        category.m_arrFactors.assign(c.factors, 0.0);
        EXPECT_EQ(category.GetUnitCount(), c.n) << c.factors << " factors";
    }
}

TEST(UnitCategory, CopiesAreDeep) {
    CUnitCategory original;
    original.m_strName = L"Sound";
    original.SetUnitList(L"Bel$Decibel$");
    original.m_arrFactors = {1, 10, 0.1, 1};
    CUnitCategory copy = original;
    original.m_strName += L"!";
    original.m_arrUnits[0] = L"changed";
    original.m_arrFactors[1] = 0;
    EXPECT_EQ(copy.m_strName, L"Sound");
    EXPECT_EQ(copy.m_arrUnits, (Names{L"Bel", L"Decibel"}));
    EXPECT_EQ(copy.GetFactor(0, 1), 10.0);
}

TEST(AddCategory, DerivesTheLowerTriangleAsReciprocals) {
    const double table[] = {1, 4, 12345, 1};
    CCatalogue catalogue;
    catalogue.AddCategory(L"Two", L"big$small$", table, 4);
    ASSERT_EQ(catalogue.GetCount(), 1);
    const CUnitCategory& category = catalogue[0];
    EXPECT_EQ(category.m_strName, L"Two");
    EXPECT_EQ(category.m_arrUnits, (Names{L"big", L"small"}));
    EXPECT_EQ(category.GetFactor(0, 1), 4.0);
    EXPECT_EQ(category.GetFactor(1, 0), 0.25);
    EXPECT_EQ(category.GetFactor(1, 1), 1.0);
    for (const auto& [from, to] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}})
        EXPECT_TRUE(std::isnan(category.GetFactor(from, to))) << from << " -> " << to;
}

TEST(AddCategory, IgnoresWhatLiesBelowTheDiagonal) {
    const double zeros[] = {1, 3, 7, 0, 1, 9, 0, 0, 1};
    const double reciprocals[] = {1, 3, 7, 1.0 / 3, 1, 9, 1.0 / 7, 1.0 / 9, 1};
    CCatalogue catalogue;
    catalogue.AddCategory(L"a", L"x$y$z$", zeros, 9);
    catalogue.AddCategory(L"b", L"x$y$z$", reciprocals, 9);
    EXPECT_EQ(catalogue[0].m_arrFactors, catalogue[1].m_arrFactors);
}

TEST(AddCategory, TrailingEntriesStayZeroAndAreNeverRead) {
    double table[30];
    for (int i = 0; i < 30; ++i)
        table[i] = i < 25 ? 2.0 : 99.0;
    CCatalogue catalogue;
    catalogue.AddCategory(L"Five", L"a$b$c$d$e$", table, 30);
    const CUnitCategory& category = catalogue[0];
    EXPECT_EQ(category.GetUnitCount(), 5);
    EXPECT_EQ(catalogue.GetUnitCount(0), 5);
    ASSERT_EQ(category.m_arrFactors.size(), 30u);
    for (std::size_t i = 25; i < 30; ++i)
        EXPECT_EQ(category.m_arrFactors[i], 0.0);
    EXPECT_EQ(category.GetFactor(4, 0), 0.5);
}

TEST(AddCategory, ZeroCountStillAppendsAnEmptyTable) {
    CCatalogue catalogue;
    catalogue.AddCategory(L"Empty", L"a$", nullptr, 0);
    ASSERT_EQ(catalogue.GetCount(), 1);
    EXPECT_EQ(catalogue[0].GetUnitCount(), 0);
    EXPECT_TRUE(catalogue[0].m_arrFactors.empty());
    EXPECT_EQ(catalogue[0].m_arrUnits, Names{L"a"});
}

TEST(AddCategory, ZeroAboveTheDiagonalGivesAnInfiniteReciprocal) {
    const double table[] = {1, 0, 0, 1};
    CCatalogue catalogue;
    catalogue.AddCategory(L"z", L"a$b$", table, 4);
    EXPECT_EQ(catalogue[0].GetFactor(1, 0), std::numeric_limits<double>::infinity());
}

TEST(FindCategory, IgnoresAsciiCaseOnly) {
    CCatalogue catalogue;
    catalogue.AddCategory(L"Length/Distance", L"", nullptr, 0);
    catalogue.AddCategory(L"Pressure", L"", nullptr, 0);
    catalogue.AddCategory(L"PRESSURE", L"", nullptr, 0);
    catalogue.AddCategory(L"\u00C4rea", L"", nullptr, 0);
    EXPECT_EQ(catalogue.FindCategory(L"pressure"), 1);
    EXPECT_EQ(catalogue.FindCategory(L"LENGTH/distance"), 0);
    EXPECT_EQ(catalogue.FindCategory(L"\u00C4REA"), 3);
    EXPECT_EQ(catalogue.FindCategory(L"\u00E4rea"), -1);
    EXPECT_EQ(catalogue.FindCategory(L"Pressur"), -1);
    EXPECT_EQ(catalogue.FindCategory(L""), -1);
}

} // namespace
