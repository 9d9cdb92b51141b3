#include "catalogue/catalogue.h"
#include "catalogue/catalogue_data.h"
#include "tests/built_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The category of that name; fails the test when there is none.
const CUnitCategory& Category(std::wstring_view name) {
    const int index = BuiltCatalogue().FindCategory(name);
    EXPECT_GE(index, 0) << "no category " << std::wstring(name);
    return BuiltCatalogue()[std::max(index, 0)];
}

int UnitIndex(const CUnitCategory& category, std::wstring_view name) {
    const auto& units = category.m_arrUnits;
    const auto found = std::find(units.begin(), units.end(), name);
    return found == units.end() ? -1 : static_cast<int>(found - units.begin());
}

// Number of units `to` that make one unit `from`, both named; NaN when either is missing.
double Cell(std::wstring_view categoryName, std::wstring_view from, std::wstring_view to) {
    const CUnitCategory& category = Category(categoryName);
    const int f = UnitIndex(category, from);
    const int t = UnitIndex(category, to);
    EXPECT_GE(f, 0) << "no unit " << std::wstring(from) << " in " << category.m_strName;
    EXPECT_GE(t, 0) << "no unit " << std::wstring(to) << " in " << category.m_strName;
    if (f < 0 || t < 0)
        return std::nan("");
    return category.GetFactor(f, t);
}

TEST(BuildCatalogue, AddsTheCategoriesInOrderWithTheirUnitCounts) {
    const struct {
        std::wstring_view name;
        int units;
    } expected[] = {
        {L"Acceleration", 18},
        {L"Weight/Mass", 22},
        {L"Computer Storage", 14},
        {L"Circular/Angle", 9},
        {L"Density", 37},
        {L"Pressure", 42},
        {L"Sound", 3},
        {L"Power", 8},
        {L"Date/Time", 13},
        {L"Torque", 13},
        {L"Calorie", 9},
        {L"Speed", 14},
        {L"Area", 17},
        {L"Energy/Work", 15},
        {L"Force", 26},
        {L"Frequency", 14},
        {L"Fuel Efficiency", 30},
        {L"Length/Distance", 20},
        {L"Volume", 36},
        {L"Resistance", 6},
        {L"Resistivity", 8},
        {L"Capacitance", 19},
        {L"Conductance", 10},
        {L"Magnetic Flux", 10},
        {L"Radioactivity", 15},
        {L"Radiation Absorbed Dose", 19},
        {L"Radiation Exposure", 8},
        {L"Heat Capacity", 11},
        {L"Heat Transfer Coefficient", 8},
        {L"Heat Flux Density", 16},
        {L"Flow - Mass", 26},
        {L"Flow - Volume", 54},
        {L"Flow - Molar", 26},
        {L"Luminous Intensity", 10},
        {L"Illumination", 11},
        {L"Temperature", 5},
        {L"Magnetic Flux Density", 11},
        {L"Luminance", 19},
    };
    const CCatalogue& catalogue = BuiltCatalogue();
    ASSERT_EQ(catalogue.GetCount(), 38);
    ASSERT_EQ(std::size(expected), 38u);
    std::size_t names = 0;
    std::size_t entries = 0;
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        const CUnitCategory& category = catalogue[i];
        const auto& want = expected[i];
        EXPECT_EQ(category.m_strName, want.name) << "category " << i;
        EXPECT_EQ(category.GetUnitCount(), want.units) << category.m_strName;
        EXPECT_EQ(catalogue.GetUnitCount(i), want.units) << category.m_strName;
        EXPECT_EQ(category.m_arrUnits.size(), static_cast<std::size_t>(want.units))
            << category.m_strName;
        EXPECT_EQ(category.m_arrFactors.size(), static_cast<std::size_t>(want.units * want.units))
            << category.m_strName;
        names += category.m_arrUnits.size();
        entries += category.m_arrFactors.size();
    }
    EXPECT_EQ(names, 652u);
    EXPECT_EQ(entries, 15636u);
    EXPECT_EQ(catalogue[kTemperatureCategory].m_strName, L"Temperature");
}

TEST(BuildCatalogue, UnitNamesAreTakenLetterForLetter) {
    const struct {
        std::wstring_view category;
        std::size_t index;
        std::wstring_view name;
    } cases[] = {
        {L"Acceleration", 0, L"Mile/sq.second"},
        {L"Acceleration", 9, L"Inch/sq.second"},
        {L"Acceleration", 17, L"Attometer/sq. second"},
        {L"Weight/Mass", 0, L"Kilotonne"},
        {L"Weight/Mass", 11, L"Newton"},
        {L"Weight/Mass", 21, L"Microgram"},
        {L"Computer Storage", 0, L"ExaByte"},
        {L"Computer Storage", 7, L"GigaBit"},
        {L"Computer Storage", 13, L"Bit"},
        {L"Circular/Angle", 0, L"Circumference"},
        {L"Circular/Angle", 4, L"Nautical Rhumb"},
        {L"Circular/Angle", 7, L"Minute(')"},
        {L"Circular/Angle", 8, L"Second('')"},
        {L"Density", 0, L"Exagram/liter"},
        {L"Density", 11, L"Gram/cubic centimete"},
        {L"Density", 18, L"Ounce/gallon(US)"},
        {L"Density", 36, L"Attogram/liter"},
        {L"Pressure", 0, L"Exapascal"},
        {L"Pressure", 16, L"Inch mercury (32\u00B0F)"},
        {L"Pressure", 21, L"Inch water (60\u00B0F)"},
        {L"Pressure", 22, L"MM mercury (0\u00B0C)"},
        {L"Pressure", 41, L"Attopascal"},
        {L"Sound", 0, L"Bel"},
        {L"Sound", 1, L"Nepe"},
        {L"Sound", 2, L"Decibel"},
        {L"Power", 0, L"MegaWatt"},
        {L"Power", 4, L"Calorie per Second"},
        {L"Power", 7, L"Erg per Second"},
        {L"Date/Time", 0, L"Century"},
        {L"Date/Time", 6, L"Syderic Month"},
        {L"Date/Time", 12, L"Second"},
        {L"Torque", 0, L"LongToneForceFoot"},
        {L"Torque", 6, L"KilogramForceCentimete"},
        {L"Torque", 12, L"Dyne Centimeter"},
        {L"Calorie", 0, L"Therm/gallon (UK)"},
        {L"Calorie", 2, L"Calorie/cubic centimt"},
        {L"Calorie", 4, L"CHU/cubic foot"},
        {L"Calorie", 8, L"Joule/cubic meter"},
        {L"Speed", 0, L"Speed of light(vacuum)"},
        {L"Speed", 7, L"Mile/hour"},
        {L"Speed", 13, L"Millimeter/second"},
        {L"Area", 0, L"Township"},
        {L"Area", 8, L"Square Rod"},
        {L"Area", 16, L"Barn"},
        {L"Energy/Work", 0, L"Quad"},
        {L"Energy/Work", 7, L"Thermal Unit(british)"},
        {L"Energy/Work", 14, L"Electronvolt"},
        {L"Force", 0, L"MegaNewton"},
        {L"Force", 13, L"Poundal"},
        {L"Force", 18, L"\tMilliNewton"},
        {L"Force", 25, L"AttoNewton"},
        {L"Frequency", 0, L"TerraHertz"},
        {L"Frequency", 7, L"Degree Second"},
        {L"Frequency", 13, L"Degree Hour"},
        {L"Fuel Efficiency", 0, L"Exameter/liter"},
        {L"Fuel Efficiency", 15, L"Dekameter/liter"},
        {L"Fuel Efficiency", 29, L"Meter/sq. meter"},
        {L"Length/Distance", 0, L"League"},
        {L"Length/Distance", 10, L"Link"},
        {L"Length/Distance", 19, L"Angstrom"},
        {L"Volume", 0, L"Cubic Meter"},
        {L"Volume", 18, L"Quart(liquid)"},
        {L"Volume", 26, L"Fluid Ounce "},
        {L"Volume", 35, L"Microliter"},
        {L"Resistance", 0, L"Statohm"},
        {L"Resistance", 3, L"Ohm"},
        {L"Resistance", 5, L"Abohm"},
        {L"Resistivity", 0, L"Statohm centimeter"},
        {L"Resistivity", 4, L"Microhm inch"},
        {L"Resistivity", 7, L"Abohm centimeter"},
        {L"Capacitance", 0, L"Exafarad"},
        {L"Capacitance", 9, L"Farad"},
        {L"Capacitance", 18, L"Attofarad"},
        {L"Conductance", 0, L"Abmho"},
        {L"Conductance", 5, L"Millisiemens"},
        {L"Conductance", 9, L"Statmho"},
        {L"Magnetic Flux", 0, L"Tesla square meter"},
        {L"Magnetic Flux", 5, L"Kiloline"},
        {L"Magnetic Flux", 9, L"Maxwell"},
        {L"Radioactivity", 0, L"Gigacurie"},
        {L"Radioactivity", 7, L"Megabecquerel"},
        {L"Radioactivity", 14, L"Microbecquerel"},
        {L"Radiation Absorbed Dose", 0, L"Teragray"},
        {L"Radiation Absorbed Dose", 9, L"Kilorad"},
        {L"Radiation Absorbed Dose", 18, L"Nanorad"},
        {L"Radiation Exposure", 0, L"Coulomb/kilogram"},
        {L"Radiation Exposure", 4, L"Parker"},
        {L"Radiation Exposure", 7, L"Microcoulomb/kilogram"},
        {L"Heat Capacity", 0, L"BTU/pound \u00B0R"},
        {L"Heat Capacity", 5, L"BTU/pound \u00B0C"},
        {L"Heat Capacity", 9, L"oule/kilogram \u00B0C"},
        {L"Heat Capacity", 10, L"Joule/kilogram K"},
        {L"Heat Transfer Coefficient", 0, L"Calorie/sec sq cm \u00B0C"},
        {L"Heat Transfer Coefficient", 4, L"Kilocal/hr sq meter\u00B0C"},
        {L"Heat Transfer Coefficient", 7, L"Watt/sq meter K"},
        {L"Heat Flux Density", 0, L"Calorie/sec sq cm"},
        {L"Heat Flux Density", 8, L"CHU/hour sq foot"},
        {L"Heat Flux Density", 15, L"Dyne/hour centimt"},
        {L"Flow - Mass", 0, L"exagram/second"},
        {L"Flow - Mass", 13, L"pound/hour"},
        {L"Flow - Mass", 25, L"milligram/day"},
        {L"Flow - Volume", 0, L"cubic meter/second"},
        {L"Flow - Volume", 27, L"pound/minute"},
        {L"Flow - Volume", 53, L"cubic centimeter/day"},
        {L"Flow - Molar", 0, L"examol/second"},
        {L"Flow - Molar", 13, L"kilomol/day"},
        {L"Flow - Molar", 25, L"attomol/second"},
        {L"Luminous Intensity", 0, L"Pentane candle"},
        {L"Luminous Intensity", 5, L"Candle (pentane)"},
        {L"Luminous Intensity", 9, L"Hefner candle"},
        {L"Illumination", 0, L"Watt/sq. centimeter"},
        {L"Illumination", 5, L"Foot candle"},
        {L"Illumination", 10, L"Nox"},
        {L"Temperature", 0, L"Reaumur (R)"},
        {L"Temperature", 2, L"Fahrenheit (F)"},
        {L"Temperature", 4, L"Rankine"},
        {L"Magnetic Flux Density", 0, L"Weber/square cm."},
        {L"Magnetic Flux Density", 5, L"Gauss (International)"},
        {L"Magnetic Flux Density", 10, L"Maxwell/square inch"},
        {L"Luminance", 0, L"Watt/sq. centimeter"},
        {L"Luminance", 9, L"Millilambert"},
        {L"Luminance", 18, L"Bril"},
    };
    for (const auto& c : cases) {
        const CUnitCategory& category = Category(c.category);
        ASSERT_LT(c.index, category.m_arrUnits.size()) << category.m_strName;
        EXPECT_EQ(category.m_arrUnits[c.index], c.name)
            << category.m_strName << " unit " << c.index;
    }
    EXPECT_EQ(Category(L"Sound").m_arrUnits,
              (std::vector<std::wstring>{L"Bel", L"Nepe", L"Decibel"}));
}

// The degree sign is the only character outside ASCII; the tab of "\tMilliNewton" is the only
// control character and "Fluid Ounce " the only name with a blank at either end.
TEST(BuildCatalogue, UnitNamesAreDistinctAndPlain) {
    int degreeNames = 0;
    std::set<std::wstring> tabbed;
    std::set<std::wstring> padded;
    for (int i = 0; i < BuiltCatalogue().GetCount(); ++i) {
        const CUnitCategory& category = BuiltCatalogue()[i];
        const std::set<std::wstring> distinct(category.m_arrUnits.begin(),
                                              category.m_arrUnits.end());
        EXPECT_EQ(distinct.size(), category.m_arrUnits.size()) << category.m_strName;
        for (const std::wstring& name : category.m_arrUnits) {
            ASSERT_FALSE(name.empty()) << category.m_strName;
            EXPECT_EQ(name.find(L'$'), std::wstring::npos) << name;
            for (const wchar_t c : name) {
                const bool plain = c >= 0x20 && c < 0x7F;
                EXPECT_TRUE(plain || c == L'\t' || c == L'\u00B0')
                    << category.m_strName << ": character " << static_cast<int>(c);
            }
            if (name.find(L'\u00B0') != std::wstring::npos)
                ++degreeNames;
            if (name.find(L'\t') != std::wstring::npos)
                tabbed.insert(name);
            if (name.front() == L' ' || name.back() == L' ')
                padded.insert(name);
        }
    }
    EXPECT_EQ(degreeNames, 21);
    EXPECT_EQ(tabbed, std::set<std::wstring>{L"\tMilliNewton"});
    EXPECT_EQ(padded, std::set<std::wstring>{L"Fluid Ounce "});
}

// Each row is an equality "1 from = value to" as the catalogue states it: the cell is exactly
// the double of the number written, never a product or quotient that rounds twice.
TEST(BuildCatalogue, StatedEqualitiesAreExactCells) {
    const struct {
        std::wstring_view category;
        std::wstring_view from;
        std::wstring_view to;
        double value;
    } equalities[] = {
        {L"Acceleration", L"G", L"Meter/sq. second", 9.8066499999},
        {L"Acceleration", L"Meter/sq. second", L"Foot/sq. second", 3.280839895},
        {L"Weight/Mass", L"Long Ton", L"Kilogram", 1016.0536476326},
        {L"Weight/Mass", L"Short Ton", L"Kilogram", 907.4410163339},
        {L"Weight/Mass", L"KiloNewton", L"Kilogram", 101.9679820536},
        {L"Weight/Mass", L"Centner", L"Kilogram", 100},
        {L"Weight/Mass", L"Long Hundredweight", L"Kilogram", 50.81300813},
        {L"Weight/Mass", L"Short Hundredweight", L"Kilogram", 45.3514739229},
        {L"Weight/Mass", L"Stone", L"Kilogram", 6.3492063492},
        {L"Weight/Mass", L"Kilogram", L"Pound(Lb)", 2.20462262},
        {L"Weight/Mass", L"Kilogram", L"Newton", 9.807},
        {L"Weight/Mass", L"Kilogram", L"Ounce", 35.27},
        {L"Weight/Mass", L"Kilogram", L"Dram", 564.383391},
        {L"Weight/Mass", L"Kilogram", L"Carat", 5000},
        {L"Weight/Mass", L"Kilogram", L"Grain", 15432.3584},
        {L"Weight/Mass", L"Kilogram", L"Mite", 308600},
        {L"Weight/Mass", L"Kilogram", L"Doite", 7408000},
        {L"Computer Storage", L"KiloByte", L"Byte", 1024},
        {L"Circular/Angle", L"Circumference", L"Degree (deg)", 359.9999712},
        {L"Circular/Angle", L"Sextant", L"Degree (deg)", 59.999988},
        {L"Circular/Angle", L"Radian(rad)", L"Degree (deg)", 57.2957795785},
        {L"Circular/Angle", L"Point", L"Degree (deg)", 11.2499998593},
        {L"Circular/Angle", L"Nautical Rhumb", L"Degree (deg)", 11.2499998593},
        {L"Circular/Angle", L"Degree (deg)", L"Grade (grad)", 1.111111},
        {L"Circular/Angle", L"Degree (deg)", L"Minute(')", 60},
        {L"Density", L"Pound/cubic foot", L"Kg/cubic meter", 16.0184633678},
        {L"Pressure", L"Ton/square inch", L"Pascal", 13789514.5863566},
        {L"Pressure", L"Kilogram/square cm", L"Pascal", 98066.4999998008},
        {L"Pressure", L"Ton/square foot", L"Pascal", 95760.517960443},
        {L"Pressure", L"Inch mercury (32\u00B0F)", L"Pascal", 3386.3881578991},
        {L"Pressure", L"Foot water (60\u00B0F)", L"Pascal", 2986.0799999971},
        {L"Pressure", L"Cm. mercury (0\u00B0C)", L"Pascal", 1333.2236842108},
        {L"Pressure", L"Inch water (60\u00B0F)", L"Pascal", 248.8400000001},
        {L"Pressure", L"MM mercury (0\u00B0C)", L"Pascal", 133.322368421},
        {L"Pressure", L"Cm. water (4\u00B0C)", L"Pascal", 98.0638000002},
        {L"Sound", L"Bel", L"Decibel", 10},
        {L"Sound", L"Nepe", L"Decibel", 8.68599},
        {L"Power", L"KiloCalorie per Second", L"Watt", 4184.0000024099},
        {L"Power", L"KiloWatt", L"Watt", 1000},
        {L"Power", L"HorsePower", L"Watt", 745.699871357},
        {L"Power", L"Calorie per Second", L"Watt", 4.1840000024},
        {L"Date/Time", L"Century", L"Second", 3155692603.1946},
        {L"Date/Time", L"Year", L"Second", 31556926.031946},
        {L"Date/Time", L"Dracontic Year", L"Second", 29948006.932409},
        {L"Date/Time", L"Calendar Month", L"Second", 2629743.82959221},
        {L"Date/Time", L"Synodic Month", L"Second", 2551683.40224454},
        {L"Date/Time", L"Anomalistic Month", L"Second", 2380821.16285478},
        {L"Date/Time", L"Syderic Month", L"Second", 2360655.7377},
        {L"Date/Time", L"Dracontic Month", L"Second", 2351020.40816327},
        {L"Date/Time", L"Week", L"Second", 604800},
        {L"Torque", L"LongToneForceFoot", L"Newton Meter", 3037.1632},
        {L"Torque", L"ShortToneForceFoot", L"Newton Meter", 2711.363},
        {L"Torque", L"KilogramForceMeter", L"Newton Meter", 9.807},
        {L"Torque", L"PoundForceFoot", L"Newton Meter", 1.35586},
        {L"Torque", L"Newton Meter", L"PoundForceInch", 8.85082},
        {L"Torque", L"Newton Meter", L"KilogramForceCentimete", 10.19679},
        {L"Torque", L"Newton Meter", L"GramForceMeter", 101.96798},
        {L"Torque", L"Newton Meter", L"OunceForceInch", 141.63352},
        {L"Torque", L"Newton Meter", L"GramForceCentimeter", 10196.7982},
        {L"Torque", L"Newton Meter", L"Dyne Meter", 100000},
        {L"Calorie", L"Therm/gallon (UK)", L"Joule/cubic meter", 23207984509.9977},
        {L"Calorie", L"Therm/cubic foot", L"Joule/cubic meter", 3725894616.99972},
        {L"Calorie", L"Calorie/cubic centimt", L"Joule/cubic meter", 4186800},
        {L"Calorie", L"Megajoule/cubic meter", L"Joule/cubic meter", 1000000},
        {L"Calorie", L"CHU/cubic foot", L"Joule/cubic meter", 67066.1031001478},
        {L"Calorie", L"BTU/cubic foot", L"Joule/cubic meter", 37258.9461699972},
        {L"Calorie", L"Kilocalorie/cubic meter", L"Joule/cubic meter", 4186.8},
        {L"Speed", L"Speed of light(vacuum)", L"Meter/second", 299760191.84652},
        {L"Speed", L"Mile/second", L"Meter/second", 1609.26939},
        {L"Speed", L"Mach", L"Meter/second", 340.28652},
        {L"Speed", L"Speed of sound(air)", L"Meter/second", 331.4550878355},
        {L"Speed", L"Meter/second", L"Knot", 1.9438445},
        {L"Area", L"Township", L"Square Meter", 93196644.9207828},
        {L"Area", L"Square Mile", L"Square Meter", 2589988.10055867},
        {L"Area", L"Homestead", L"Square Meter", 647668.393782383},
        {L"Area", L"Acre", L"Square Meter", 4046.9445568595},
        {L"Area", L"Rood", L"Square Meter", 1011.7361392148},
        {L"Area", L"Square Rod", L"Square Meter", 25.2928916857},
        {L"Area", L"Square", L"Square Meter", 9.2936802973},
        {L"Area", L"Square Meter", L"Barn", 1e+28},
        {L"Energy/Work", L"Quad", L"Joule", 1.05507491031863e+18},
        {L"Energy/Work", L"Therm", L"Joule", 105507491.031863},
        {L"Energy/Work", L"MegaCalorie", L"Joule", 4184000.00240998},
        {L"Energy/Work", L"Kilowatt Hour", L"Joule", 3599712.02303816},
        {L"Energy/Work", L"MegaJoule", L"Joule", 1000000},
        {L"Energy/Work", L"KiloCalorie", L"Joule", 4184.0000024099},
        {L"Energy/Work", L"Watt Hour", L"Joule", 3599.7120230381},
        {L"Energy/Work", L"Thermal Unit(british)", L"Joule", 1055.0749103186},
        {L"Energy/Work", L"Calorie", L"Joule", 4.1840000024},
        {L"Energy/Work", L"Foot Pound", L"Joule", 1.3557483731},
        {L"Energy/Work", L"Joule", L"Electronvolt", 6.241e+18},
        {L"Force", L"MegaNewton", L"Newton", 1000678.57142867},
        {L"Force", L"TonForce(long)", L"Newton", 9964.0825035572},
        {L"Force", L"MegaPound", L"Newton", 9806.650000001},
        {L"Force", L"TonForce(short)", L"Newton", 8896.5345187344},
        {L"Force", L"Kip", L"Newton", 4448.2672593672},
        {L"Force", L"KiloNewton", L"Newton", 999.994901445},
        {L"Force", L"Pound Force", L"Newton", 4.4482216593},
        {L"Frequency", L"Hertz", L"Revolution/Minute", 60},
        {L"Fuel Efficiency", L"Nautical mile/liter", L"Meter/liter", 1853.2449600088},
        {L"Fuel Efficiency", L"Nautical mile/gallon", L"Meter/liter", 489.5755247026},
        {L"Fuel Efficiency", L"Mile/gallon (US)", L"Meter/liter", 425.1437075085},
        {L"Fuel Efficiency", L"Meter/fluid ounce (UK)", L"Meter/liter", 35.1950077698},
        {L"Fuel Efficiency", L"Meter/cup (UK)", L"Meter/liter", 3.5195007769},
        {L"Fuel Efficiency", L"Meter/pint (UK)", L"Meter/liter", 1.7597503889},
        {L"Fuel Efficiency", L"Meter/liter", L"Meter/quart (UK)", 1.136524823},
        {L"Fuel Efficiency", L"Meter/liter", L"Meter/gallon (UK)", 4.5460992939},
        {L"Length/Distance", L"League", L"Meter", 5556.0000046892},
        {L"Length/Distance", L"Mile", L"Meter", 1609.3440006146},
        {L"Length/Distance", L"Chain", L"Meter", 20.116676725},
        {L"Length/Distance", L"Meter", L"Link", 4.971},
        {L"Length/Distance", L"Meter", L"Line", 472.4},
        {L"Volume", L"Barrel(british)", L"Liter", 163.639338897},
        {L"Volume", L"Barrel (liquid)", L"Liter", 158.9825119236},
        {L"Volume", L"Barrel(dry)", L"Liter", 115.6336725254},
        {L"Volume", L"Bushel(british)", L"Liter", 36.3636363636},
        {L"Volume", L"Bushel(dry)", L"Liter", 35.2360817477},
        {L"Volume", L"Cubic Foot", L"Liter", 28.3168466092},
        {L"Volume", L"Peck(british)", L"Liter", 9.0909090909},
        {L"Volume", L"Gallon(british)", L"Liter", 4.5454545454},
        {L"Volume", L"Gallon(dry)", L"Liter", 4.4052863436},
        {L"Volume", L"Quart(british)", L"Liter", 1.1364927832},
        {L"Volume", L"Quart(dry)", L"Liter", 1.1012003083},
        {L"Volume", L"Liter", L"Pint(british)", 1.76},
        {L"Volume", L"Liter", L"Pint(dry)", 1.816},
        {L"Volume", L"Liter", L"Gill(dry)", 7.265},
        {L"Volume", L"Liter", L"Gill(liquid)", 8.454},
        {L"Volume", L"Liter", L"Fluid Ounce(british)", 35.2},
        {L"Volume", L"Liter", L"Fluid Dram", 270.5},
        {L"Volume", L"Liter", L"Minim", 16230},
        {L"Resistance", L"Statohm", L"Ohm", 898752432401.558},
        {L"Resistance", L"Megohm", L"Ohm", 1000000},
        {L"Resistance", L"Ohm (International)", L"Ohm", 1.0004949999},
        {L"Resistance", L"Ohm", L"Abohm", 1000000000},
        {L"Resistivity", L"Statohm centimeter", L"Ohm meter", 8987524324.01558},
        {L"Resistivity", L"Ohm meter", L"Ohm inch", 39.3700787402},
        {L"Resistivity", L"Ohm meter", L"Circular mil ohm/foot", 601530493.404},
        {L"Capacitance", L"Abfarad", L"Farad", 1000000000},
        {L"Capacitance", L"Farad", L"Microfarad", 1000000},
        {L"Capacitance", L"Farad", L"Statfarad", 898755224015},
        {L"Conductance", L"Abmho", L"Siemens", 1000000000},
        {L"Conductance", L"Siemens", L"Millisiemens", 1000},
        {L"Conductance", L"Siemens", L"Gemmho", 1000000},
        {L"Conductance", L"Siemens", L"Statmho", 899000000000},
        {L"Magnetic Flux", L"Weber", L"Tesla square cm.", 1000},
        {L"Magnetic Flux", L"Weber", L"Maxwell (International)", 99966910.9525},
        {L"Magnetic Flux", L"Weber", L"Maxwell", 100000000},
        {L"Radioactivity", L"Curie", L"Becquerel", 37000000000},
        {L"Radioactivity", L"Millicurie", L"Becquerel", 37000000},
        {L"Radiation Absorbed Dose", L"Kilogray", L"Gray", 1000},
        {L"Radiation Absorbed Dose", L"Gray", L"Rad", 100},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Sievert", 462.5261327248},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Roentgen", 3875.968992248},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Parker", 3875.968992248},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Rep", 3875.968992248},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Rem", 46252.6132724806},
        {L"Heat Capacity", L"BTU/pound \u00B0R", L"Joule/kilogram K", 4186.8000000086},
        {L"Heat Capacity", L"BTU/pound \u00B0F", L"Joule/kilogram K", 4186.8000000086},
        {L"Heat Capacity", L"Calorie/gram \u00B0C", L"Joule/kilogram K", 4186.8000000086},
        {L"Heat Capacity", L"CHU/pound \u00B0C", L"Joule/kilogram K", 4186.8000000086},
        {L"Heat Capacity", L"Kilocalorie/kilogram \u00B0C", L"Joule/kilogram K", 4186.8000000086},
        {L"Heat Capacity", L"BTU/pound \u00B0C", L"Joule/kilogram K", 2326.0000000026},
        {L"Heat Capacity", L"Kilojoule/kilogram K", L"Joule/kilogram K", 1000},
        {L"Heat Transfer Coefficient", L"Calorie/sec sq cm \u00B0C", L"Watt/sq meter K",
         41868.0000000869},
        {L"Heat Transfer Coefficient", L"Kilocal/hr sq foot \u00B0C", L"Watt/sq meter K",
         12.51842782},
        {L"Heat Transfer Coefficient", L"BTU/hour sq foot \u00B0F", L"Watt/sq meter K",
         5.6782633979},
        {L"Heat Transfer Coefficient", L"CHU/hr sq foot \u00B0C", L"Watt/sq meter K", 5.6782633979},
        {L"Heat Transfer Coefficient", L"Kilocal/hr sq meter\u00B0C", L"Watt/sq meter K",
         1.1629999999},
        {L"Heat Transfer Coefficient", L"Watt/sq m. \u00B0C", L"Watt/sq meter K", 1},
        {L"Heat Flux Density", L"Calorie/sec sq cm", L"Watt/sq meter", 41868.0000000869},
        {L"Heat Flux Density", L"Horsepower/sq foot", L"Watt/sq meter", 7916.8426579964},
        {L"Heat Flux Density", L"Watt/sq inch", L"Watt/sq meter", 1550.0031011401},
        {L"Heat Flux Density", L"BTU/minute sq foot", L"Watt/sq meter", 189.2754465394},
        {L"Heat Flux Density", L"Kilocalorie/hr sq foot", L"Watt/sq meter", 12.51842782},
        {L"Heat Flux Density", L"Gram calorie/hr sq cm", L"Watt/sq meter", 11.6300000007},
        {L"Heat Flux Density", L"CHU/hour sq foot", L"Watt/sq meter", 5.6782633979},
        {L"Heat Flux Density", L"BTU/hour sq foot", L"Watt/sq meter", 3.154590778},
        {L"Heat Flux Density", L"Kilocalorie/hr sq meter", L"Watt/sq meter", 1.1629999999},
        {L"Heat Flux Density", L"Watt/sq meter", L"Foot pound/min sq foot", 4.111305952},
        {L"Heat Flux Density", L"Watt/sq meter", L"Dyne/hour centimt", 3600000},
        {L"Flow - Mass", L"kilogram/second", L"pound/hour", 7936.64143},
        {L"Flow - Volume", L"cubic meter/second", L"acre-foot/hour", 2.9185558233},
        {L"Flow - Volume", L"cubic meter/second", L"acre-foot/day", 70.0453397609},
        {L"Flow - Volume", L"cubic meter/second", L"kilogram/second", 739.3290564342},
        {L"Flow - Volume", L"cubic meter/second", L"pound/second", 1629.9415631903},
        {L"Flow - Volume", L"cubic meter/second", L"gallon/minute", 15850.3231414673},
        {L"Flow - Volume", L"cubic meter/second", L"acre-foot/year", 25566.5490127355},
        {L"Flow - Volume", L"cubic meter/second", L"kilogram/minute", 44359.7433936845},
        {L"Flow - Volume", L"cubic meter/second", L"pound/minute", 97796.4937840018},
        {L"Flow - Volume", L"cubic meter/second", L"kilogram/hour", 2661584.60334387},
        {L"Flow - Volume", L"cubic meter/second", L"pound/hour", 5867789.62503131},
        {L"Flow - Volume", L"cubic meter/second", L"kilogram/day", 63878030.4840689},
        {L"Flow - Volume", L"cubic meter/second", L"pound/day", 140826951.050647},
        {L"Flow - Molar", L"mol/second", L"kilomol/hour", 3.6},
        {L"Luminous Intensity", L"Pentane candle", L"Candle(Int)", 10},
        {L"Luminous Intensity", L"Carcel unit", L"Candle(Int)", 9.60999},
        {L"Luminous Intensity", L"Candle (German)", L"Candle(Int)", 1.05263},
        {L"Luminous Intensity", L"Candle (UK)", L"Candle(Int)", 1.04166},
        {L"Luminous Intensity", L"Candle(Int)", L"Candle (pentane)", 1},
        {L"Luminous Intensity", L"Candle(Int)", L"Bougie decimal", 1},
        {L"Luminous Intensity", L"Candle(Int)", L"Decimal candle", 1},
        {L"Luminous Intensity", L"Candle(Int)", L"Lumen/steradian", 1},
        {L"Luminous Intensity", L"Candle(Int)", L"Hefner candle", 1.11111},
        {L"Illumination", L"Watt/sq. centimeter", L"Lux", 6829999.99999167},
        {L"Illumination", L"Flame", L"Lux", 43.0556416668},
        {L"Illumination", L"Foot candle", L"Lux", 10.7639104166},
        {L"Magnetic Flux Density", L"Tesla", L"Maxwell/square meter", 1},
        {L"Magnetic Flux Density", L"Tesla", L"Gauss (International)", 9996.69109},
        {L"Magnetic Flux Density", L"Tesla", L"Gauss", 10000},
        {L"Luminance", L"Watt/sq. centimeter", L"Candela/sq. meter", 6829999.99999167},
        {L"Luminance", L"Lumen/sq. centimeter", L"Candela/sq. meter", 10000},
        {L"Luminance", L"Lambert", L"Candela/sq. meter", 10000},
        {L"Luminance", L"Lumen/sq. foot", L"Candela/sq. meter", 10.7639104167},
        {L"Luminance", L"Millilambert", L"Candela/sq. meter", 10},
        {L"Luminance", L"Foot-lambert", L"Candela/sq. meter", 3.4262590996},
        {L"Luminance", L"Candela/sq. meter", L"Lumen/sq. meter", 1},
    };
    for (const auto& e : equalities) {
        EXPECT_EQ(Cell(e.category, e.from, e.to), e.value)
            << std::wstring(e.category) << ": 1 " << std::wstring(e.from) << " in "
            << std::wstring(e.to);
    }
}

// Units without a stated equality take their textbook size; one part in a million is enough.
TEST(BuildCatalogue, StandardSizesFollowTheirDefinitions) {
    const struct {
        std::wstring_view category;
        std::wstring_view from;
        std::wstring_view to;
        double value;
    } sizes[] = {
        {L"Acceleration", L"Mile/sq.second", L"Meter/sq. second", 1609.344},
        {L"Acceleration", L"Attometer/sq. second", L"Meter/sq. second", 1e-18},
        {L"Weight/Mass", L"Kilotonne", L"Gram", 1e9},
        {L"Computer Storage", L"ExaByte", L"Bit", 9223372036854775808.0},
        {L"Circular/Angle", L"Degree (deg)", L"Second('')", 3600},
        {L"Density", L"Pound/cubic inch", L"Kg/cubic meter", 27679.9047102},
        {L"Density", L"Ton(long)/cubic yard", L"Kg/cubic meter", 1328.93918362},
        {L"Density", L"Slug/cubic foot", L"Kg/cubic meter", 515.378818},
        {L"Density", L"Pound/gallon(UK)", L"Kg/cubic meter", 99.7763727},
        {L"Density", L"Grain/gallon(US)", L"Kg/cubic meter", 0.0171180610},
        {L"Density", L"Ounce/cubic foot", L"Kg/cubic meter", 1.00115396},
        {L"Pressure", L"Kip/square inch", L"Pascal", 6894757.29},
        {L"Pressure", L"Psi", L"Pascal", 6894.75729},
        {L"Pressure", L"Pound/square foot", L"Pascal", 47.8802590},
        {L"Pressure", L"Kilogram/square mm", L"Pascal", 9806650},
        {L"Pressure", L"Torr", L"Pascal", 133.322368},
        {L"Power", L"Joule per Hour", L"Watt", 1 / 3600.0},
        {L"Torque", L"Newton Meter", L"Dyne Centimeter", 1e7},
        {L"Speed", L"Kilometer/hour", L"Meter/second", 1 / 3.6},
        {L"Area", L"Square Inch", L"Square Meter", 0.00064516},
        {L"Force", L"Ounce Force", L"Newton", 0.278013851},
        {L"Force", L"Decigram Force", L"Newton", 0.000980665},
        {L"Frequency", L"Radian/Second", L"Hertz", 0.159154943},
        {L"Frequency", L"Hertz", L"Degree Hour", 1296000},
        {L"Fuel Efficiency", L"Mile/gallon (UK)", L"Meter/liter", 354.006190},
        {L"Fuel Efficiency", L"Meter/sq. inch", L"Meter/liter", 61.0237441},
        {L"Fuel Efficiency", L"Meter/fluid ounce", L"Meter/liter", 33.8140227},
        {L"Fuel Efficiency", L"Meter/liter", L"Meter/sq. Yard", 764.554858},
        {L"Length/Distance", L"Meter", L"Angstrom", 1e10},
        {L"Volume", L"Cubic Yard", L"Liter", 764.554858},
        {L"Volume", L"Peck(dry)", L"Liter", 8.80976754},
        {L"Volume", L"Cubic Inch", L"Liter", 0.016387064},
        {L"Volume", L"Liter", L"Teaspoon", 202.884136},
        {L"Resistivity", L"Microhm inch", L"Ohm meter", 2.54e-8},
        {L"Magnetic Flux", L"Weber", L"Kiloline", 1e5},
        {L"Radioactivity", L"Gigacurie", L"Becquerel", 3.7e19},
        {L"Radioactivity", L"Picocurie", L"Becquerel", 0.037},
        {L"Radiation Absorbed Dose", L"Gigarad", L"Gray", 1e7},
        {L"Radiation Absorbed Dose", L"Gray", L"Nanorad", 1e11},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Millicoulomb/kilogram", 1000},
        {L"Radiation Exposure", L"Coulomb/kilogram", L"Microcoulomb/kilogram", 1e6},
        {L"Heat Flux Density", L"Watt/sq meter", L"Erg/hour sq millimeter", 36000},
        {L"Flow - Mass", L"pound/day", L"kilogram/second", 5.24991169e-6},
        {L"Flow - Volume", L"barrel (oil)/second", L"cubic meter/second", 0.158987295},
        {L"Flow - Volume", L"ounce (UK)/second", L"cubic meter/second", 2.84130625e-5},
        {L"Flow - Volume", L"cubic inch/hour", L"cubic meter/second", 4.55196222e-9},
        {L"Flow - Molar", L"kilomol/day", L"mol/second", 0.0115740741},
        {L"Illumination", L"Lumen/sq. centimeter", L"Lux", 10000},
        {L"Illumination", L"Lumen/sq. foot", L"Lux", 10.7639104},
        {L"Magnetic Flux Density", L"Weber/square inch", L"Tesla", 1550.0031},
        {L"Magnetic Flux Density", L"Maxwell/square inch", L"Tesla", 1.5500031e-5},
        {L"Luminance", L"Candela/square foot", L"Candela/sq. meter", 10.7639104},
        {L"Luminance", L"Skot", L"Candela/sq. meter", 3.18309886e-4},
        {L"Luminance", L"Bril", L"Candela/sq. meter", 3.18309886e-8},
    };
    for (const auto& s : sizes) {
        const double cell = Cell(s.category, s.from, s.to);
        EXPECT_NEAR(cell / s.value, 1.0, 1e-6)
            << std::wstring(s.category) << ": 1 " << std::wstring(s.from) << " = " << cell << " "
            << std::wstring(s.to);
    }
}

// Units run from the largest to the smallest, so every cell on and above the diagonal is at
// least 1 - except two neighbours that the data keeps in their listed order. Below the diagonal
// every cell is the exact reciprocal of its mirror.
TEST(BuildCatalogue, TablesRunFromLargestToSmallestWithExactReciprocals) {
    using Pair = std::pair<std::wstring, std::wstring>;
    const std::set<Pair> outOfOrder = {
        {L"MM mercury (0\u00B0C)", L"Torr"},
        {L"Foot candle", L"Lumen/sq. foot"},
    };
    std::set<Pair> below;
    for (int c = 0; c < BuiltCatalogue().GetCount(); ++c) {
        const CUnitCategory& category = BuiltCatalogue()[c];
        const int n = category.GetUnitCount();
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(category.GetFactor(i, i), 1.0) << category.m_strName << " unit " << i;
        if (c == kTemperatureCategory)
            continue;
        EXPECT_GE(category.GetFactor(0, n - 1), 1.0) << category.m_strName;
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                const double upper = category.GetFactor(i, j);
                EXPECT_TRUE(std::isfinite(upper) && upper > 0) << category.m_strName;
                EXPECT_EQ(category.GetFactor(j, i), 1.0 / upper) << category.m_strName;
                if (upper < 1.0)
                    below.emplace(category.m_arrUnits[i], category.m_arrUnits[j]);
            }
        }
    }
    EXPECT_EQ(below, outOfOrder);
    EXPECT_LT(Cell(L"Pressure", L"MM mercury (0\u00B0C)", L"Torr"), 1.0);
    EXPECT_GT(Cell(L"Pressure", L"MM mercury (0\u00B0C)", L"Torr"), 1.0 - 1e-11);
    EXPECT_GT(Cell(L"Illumination", L"Foot candle", L"Lumen/sq. foot"), 1.0 - 1e-10);
}

// Sizes written as the same numbers give cells of exactly 1.
TEST(BuildCatalogue, UnitsOfEqualSizeConvertOneToOne) {
    const struct {
        std::wstring_view category;
        std::wstring_view from;
        std::wstring_view to;
    } pairs[] = {
        {L"Luminance", L"Stilb", L"Lambert"},
        {L"Luminance", L"Lumen/sq. centimeter", L"Lambert"},
        {L"Magnetic Flux Density", L"Tesla", L"Maxwell/square meter"},
        {L"Pressure", L"Pound/square inch", L"Psi"},
        {L"Pressure", L"Decipascal", L"Microbar"},
        {L"Acceleration", L"Gal", L"Centimeter/sq.second"},
        {L"Fuel Efficiency", L"Meter/gallon", L"Meter/gallon (US)"},
        {L"Conductance", L"Micromho", L"Microsiemens"},
        {L"Magnetic Flux", L"Tesla square meter", L"Weber"},
        {L"Luminous Intensity", L"Candle(Int)", L"Lumen/steradian"},
        {L"Flow - Volume", L"cubic cm./minute", L"milliliter/minute"},
    };
    for (const auto& p : pairs)
        EXPECT_EQ(Cell(p.category, p.from, p.to), 1.0) << std::wstring(p.from);
}

TEST(BuildCatalogue, RebuildingGivesTheSameCatalogue) {
    CCatalogue catalogue;
    catalogue.AddCategory(L"Stale", L"a$", nullptr, 0);
    catalogue.BuildCatalogue();
    catalogue.BuildCatalogue();
    ASSERT_EQ(catalogue.GetCount(), BuiltCatalogue().GetCount());
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        EXPECT_EQ(catalogue[i].m_strName, BuiltCatalogue()[i].m_strName);
        EXPECT_EQ(catalogue[i].m_arrUnits, BuiltCatalogue()[i].m_arrUnits);
        EXPECT_EQ(catalogue[i].m_arrFactors, BuiltCatalogue()[i].m_arrFactors)
            << BuiltCatalogue()[i].m_strName;
    }
}

TEST(FindCategory, FindsEveryBuiltCategoryByName) {
    const CCatalogue& catalogue = BuiltCatalogue();
    for (int i = 0; i < catalogue.GetCount(); ++i)
        EXPECT_EQ(catalogue.FindCategory(catalogue[i].m_strName), i);
    EXPECT_EQ(catalogue.FindCategory(L"pressure"), 5);
    EXPECT_EQ(catalogue.FindCategory(L"FLOW - VOLUME"), 31);
    EXPECT_EQ(catalogue.FindCategory(L"temperature"), kTemperatureCategory);
    EXPECT_EQ(catalogue.FindCategory(L"Flow-Volume"), -1);
    EXPECT_EQ(catalogue.FindCategory(L"Pressure "), -1);
    EXPECT_EQ(catalogue.FindCategory(L"Meter"), -1);
}

} // namespace
