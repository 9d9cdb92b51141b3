#include "catalogue/catalogue_data.h"

#include <algorithm>
#include <numbers>

namespace {

// Lengths in metres.
constexpr double kInch = 0.0254;
constexpr double kFoot = 0.3048;
constexpr double kYard = 0.9144;
constexpr double kMile = 1609.344;

// Masses in kilograms.
constexpr double kPound = 0.45359237;
constexpr double kOunce = kPound / 16;
constexpr double kGrain = 64.79891e-6;
constexpr double kSlug = 14.5939029;

// Standard gravity: the kilogram-force in newtons.
constexpr double kGravity = 9.80665;
constexpr double kPoundForce = kPound * kGravity;

// Volumes in litres.
constexpr double kLitresPerM3 = 1000;
constexpr double kUsGallon = 3.785411784;
constexpr double kUkGallon = 4.54609;
constexpr double kUsBushel = 35.23907016688;
constexpr double kOilBarrel = 42 * kUsGallon;

// Computer storage prefixes are powers of 1024.
constexpr double kKilo = 1024;
constexpr double kMega = kKilo * kKilo;
constexpr double kGiga = kMega * kKilo;
constexpr double kTera = kGiga * kKilo;
constexpr double kPeta = kTera * kKilo;
constexpr double kExa = kPeta * kKilo;

// Radioactivity in becquerels.
constexpr double kCurie = 3.7e10;

constexpr double kPi = std::numbers::pi;

constexpr double Square(double x) {
    return x * x;
}
constexpr double Cube(double x) {
    return x * x * x;
}

// One size per unit, in list order; each comment names the unit. The category's reference unit
// is {1}.

// 0. Acceleration, in metres per second squared.
constexpr UnitSize kAccelerationSizes[] = {
    {kMile},          // Mile/sq.second
    {1e3},            // Kilometer/sq.second
    {100},            // Hectometer/sq. second
    {10},             // Dekameter/sq. second
    {9.8066499999},   // G
    {1},              // Meter/sq. second
    {kYard},          // Yard/sq. second
    {1, 3.280839895}, // Foot/sq. second
    {1, 10},          // Decimeter/sq. second
    {kInch},          // Inch/sq.second
    {1, 100},         // Gal
    {1, 100},         // Centimeter/sq.second
    {1, 1e3},         // Millimeter/sq. second
    {1, 1e6},         // Micrometer/sq. second
    {1, 1e9},         // Nanometer/sq. second
    {1, 1e12},        // Picometer/sq. second
    {1, 1e15},        // Femtometer/sq. second
    {1, 1e18},        // Attometer/sq. second
};

// 1. Weight/Mass, in kilograms.
constexpr UnitSize kMassSizes[] = {
    {1e6},             // Kilotonne
    {1016.0536476326}, // Long Ton
    {1e3},             // Tonne
    {907.4410163339},  // Short Ton
    {101.9679820536},  // KiloNewton
    {100},             // Centner
    {50.81300813},     // Long Hundredweight
    {45.3514739229},   // Short Hundredweight
    {6.3492063492},    // Stone
    {1},               // Kilogram
    {1, 2.20462262},   // Pound(Lb)
    {1, 9.807},        // Newton
    {1, 35.27},        // Ounce
    {1, 564.383391},   // Dram
    {1, 1e3},          // Gram
    {1, 5000},         // Carat
    {1, 15432.3584},   // Grain
    {1, 1e5},          // Centigram
    {1, 308600},       // Mite
    {1, 1e6},          // Milligram
    {1, 7408000},      // Doite
    {1, 1e9},          // Microgram
};

// 2. Computer Storage, in bytes.
constexpr UnitSize kStorageSizes[] = {
    {kExa},     // ExaByte
    {kExa, 8},  // ExaBit
    {kPeta},    // PetaByte
    {kPeta, 8}, // PetaBit
    {kTera},    // TeraByte
    {kTera, 8}, // TeraBit
    {kGiga},    // GigaByte
    {kGiga, 8}, // GigaBit
    {kMega},    // MegaByte
    {kMega, 8}, // MegaBit
    {kKilo},    // KiloByte
    {kKilo, 8}, // KiloBit
    {1},        // Byte
    {1, 8},     // Bit
};

// 3. Circular/Angle, in degrees.
constexpr UnitSize kAngleSizes[] = {
    {359.9999712},   // Circumference
    {59.999988},     // Sextant
    {57.2957795785}, // Radian(rad)
    {11.2499998593}, // Point
    {11.2499998593}, // Nautical Rhumb
    {1},             // Degree (deg)
    {1, 1.111111},   // Grade (grad)
    {1, 60},         // Minute(')
    {1, 3600},       // Second('')
};

// 4. Density, in kilograms per cubic metre (grams per litre).
constexpr UnitSize kDensitySizes[] = {
    {1e18},                             // Exagram/liter
    {1e15},                             // Petagram/liter
    {1e12},                             // Teragram/liter
    {1e9},                              // Gigagram/liter
    {1e6},                              // Kg/cubic centimeter
    {1e6},                              // Gram/cubic millimeter
    {kPound, Cube(kInch)},              // Pound/cubic inch
    {kOunce, Cube(kInch)},              // Ounce/cubic inch
    {2240 * kPound, Cube(kYard)},       // Ton(long)/cubic yard
    {2000 * kPound, Cube(kYard)},       // Ton(short)/cubic yard
    {1e3},                              // Kilogram/liter
    {1e3},                              // Gram/cubic centimete
    {kSlug, Cube(kFoot)},               // Slug/cubic foot
    {kPound * kLitresPerM3, kUsGallon}, // Pound/gallon(US)
    {100},                              // Hectogram/liter
    {kPound * kLitresPerM3, kUkGallon}, // Pound/gallon(UK)
    {16.0184633678},                    // Pound/cubic foot
    {10},                               // Dekagram/liter
    {kOunce * kLitresPerM3, kUsGallon}, // Ounce/gallon(US)
    {kOunce * kLitresPerM3, kUkGallon}, // Ounce/gallon(UK)
    {kOunce, Cube(kFoot)},              // Ounce/cubic foot
    {1},                                // Kg/cubic meter
    {1},                                // Gram/liter
    {kPound, Cube(kYard)},              // Pound/cubic yard
    {1, 10},                            // Decigram/liter
    {kGrain * kLitresPerM3, kUsGallon}, // Grain/gallon(US)
    {kGrain * kLitresPerM3, kUkGallon}, // Grain/gallon(UK)
    {1, 100},                           // Centigram/liter
    {kGrain, Cube(kFoot)},              // Grain/cubic foot
    {1, 1e3},                           // Milligram/liter
    {1, 1e3},                           // Gram/cubic meter
    {1, 1e6},                           // Milligram/cubic meter
    {1, 1e6},                           // Microgram/liter
    {1, 1e9},                           // Nanogram/liter
    {1, 1e12},                          // Picogram/liter
    {1, 1e15},                          // Femtogram/liter
    {1, 1e18},                          // Attogram/liter
};

// 5. Pressure, in pascals.
constexpr UnitSize kPressureSizes[] = {
    {1e18},                              // Exapascal
    {1e15},                              // Petapascal
    {1e12},                              // Terapascal
    {1e9},                               // Gigapascal
    {13789514.5863566},                  // Ton/square inch
    {kGravity * 1e6},                    // Kilogram/square mm
    {1000 * kPoundForce, Square(kInch)}, // Kip/square inch
    {1e6},                               // Megapascal
    {1e6},                               // Newton/square mm
    {101325},                            // Atmosphere
    {1e5},                               // Bar
    {98066.4999998008},                  // Kilogram/square cm
    {95760.517960443},                   // Ton/square foot
    {1e4},                               // Newton/square cm
    {kPoundForce, Square(kInch)},        // Pound/square inch
    {kPoundForce, Square(kInch)},        // Psi
    {3386.3881578991},                   // Inch mercury (32degF)
    {2986.0799999971},                   // Foot water (60degF)
    {1333.2236842108},                   // Cm. mercury (0degC)
    {1e3},                               // Kilopascal
    {1e3},                               // Kilonewton/square m
    {248.8400000001},                    // Inch water (60degF)
    {133.322368421},                     // MM mercury (0degC)
    {101325, 760},                       // Torr
    {100},                               // Millibar
    {100},                               // Hectopascal
    {98.0638000002},                     // Cm. water (4degC)
    {kPoundForce, Square(kFoot)},        // Pound/square foot
    {10},                                // Dekapascal
    {kGravity},                          // Kilogram/square m
    {1},                                 // Newton/square m
    {1},                                 // Pascal
    {1, 10},                             // Decipascal
    {1, 10},                             // Dyne/square cm
    {1, 10},                             // Microbar
    {1, 100},                            // Centipascal
    {1, 1e3},                            // Millipascal
    {1, 1e6},                            // Micropascal
    {1, 1e9},                            // Nanopascal
    {1, 1e12},                           // Picopascal
    {1, 1e15},                           // Femtopascal
    {1, 1e18},                           // Attopascal
};

// 6. Sound, in decibels.
constexpr UnitSize kSoundSizes[] = {
    {10},      // Bel
    {8.68599}, // Nepe
    {1},       // Decibel
};

// 7. Power, in watts.
constexpr UnitSize kPowerSizes[] = {
    {1e6},             // MegaWatt
    {4184.0000024099}, // KiloCalorie per Second
    {1000},            // KiloWatt
    {745.699871357},   // HorsePower
    {4.1840000024},    // Calorie per Second
    {1},               // Watt
    {1, 3600},         // Joule per Hour
    {1, 1e7},          // Erg per Second
};

// 8. Date/Time, in seconds.
constexpr UnitSize kTimeSizes[] = {
    {3155692603.1946},  // Century
    {31556926.031946},  // Year
    {29948006.932409},  // Dracontic Year
    {2629743.82959221}, // Calendar Month
    {2551683.40224454}, // Synodic Month
    {2380821.16285478}, // Anomalistic Month
    {2360655.7377},     // Syderic Month
    {2351020.40816327}, // Dracontic Month
    {604800},           // Week
    {86400},            // Day
    {3600},             // Hour
    {60},               // Minute
    {1},                // Second
};

// 9. Torque, in newton metres.
constexpr UnitSize kTorqueSizes[] = {
    {3037.1632},     // LongToneForceFoot
    {2711.363},      // ShortToneForceFoot
    {9.807},         // KilogramForceMeter
    {1.35586},       // PoundForceFoot
    {1},             // Newton Meter
    {1, 8.85082},    // PoundForceInch
    {1, 10.19679},   // KilogramForceCentimete
    {1, 100},        // Newton Centimeter
    {1, 101.96798},  // GramForceMeter
    {1, 141.63352},  // OunceForceInch
    {1, 10196.7982}, // GramForceCentimeter
    {1, 100000},     // Dyne Meter
    {1, 1e7},        // Dyne Centimeter
};

// 10. Calorie, in joules per cubic metre.
constexpr UnitSize kEnergyDensitySizes[] = {
    {23207984509.9977}, // Therm/gallon (UK)
    {3725894616.99972}, // Therm/cubic foot
    {4186800},          // Calorie/cubic centimt
    {1000000},          // Megajoule/cubic meter
    {67066.1031001478}, // CHU/cubic foot
    {37258.9461699972}, // BTU/cubic foot
    {4186.8},           // Kilocalorie/cubic meter
    {1e3},              // Kilojoule/cubic meter
    {1},                // Joule/cubic meter
};

// 11. Speed, in metres per second.
constexpr UnitSize kSpeedSizes[] = {
    {299760191.84652}, // Speed of light(vacuum)
    {1609.26939},      // Mile/second
    {1e3},             // Kilometer/second
    {340.28652},       // Mach
    {331.4550878355},  // Speed of sound(air)
    {1},               // Meter/second
    {1, 1.9438445},    // Knot
    {0.44704},         // Mile/hour
    {kFoot},           // Foot/second
    {1, 3.6},          // Kilometer/hour
    {kInch},           // Inch/second
    {1, 60},           // Meter/minute
    {1, 100},          // Centimeter/second
    {1, 1e3},          // Millimeter/second
};

// 12. Area, in square metres.
constexpr UnitSize kAreaSizes[] = {
    {93196644.9207828}, // Township
    {2589988.10055867}, // Square Mile
    {1e6},              // Square Kilometer
    {647668.393782383}, // Homestead
    {1e4},              // Hectare
    {4046.9445568595},  // Acre
    {1011.7361392148},  // Rood
    {100},              // Are
    {25.2928916857},    // Square Rod
    {9.2936802973},     // Square
    {1},                // Square Meter
    {0.83612736},       // Square Yard
    {0.09290304},       // Square Foot
    {0.00064516},       // Square Inch
    {1, 1e4},           // Square Centimeter
    {1, 1e6},           // Square Millimeter
    {1, 1e+28},         // Barn
};

// 13. Energy/Work, in joules.
constexpr UnitSize kEnergySizes[] = {
    {1.05507491031863e+18}, // Quad
    {105507491.031863},     // Therm
    {4184000.00240998},     // MegaCalorie
    {3599712.02303816},     // Kilowatt Hour
    {1000000},              // MegaJoule
    {4184.0000024099},      // KiloCalorie
    {3599.7120230381},      // Watt Hour
    {1055.0749103186},      // Thermal Unit(british)
    {1e3},                  // KiloJoule
    {4.1840000024},         // Calorie
    {1.3557483731},         // Foot Pound
    {1},                    // Joule
    {1},                    // Watt Second
    {1, 1e7},               // Erg
    {1, 6.241e+18},         // Electronvolt
};

// 14. Force, in newtons.
constexpr UnitSize kForceSizes[] = {
    {1000678.57142867}, // MegaNewton
    {9964.0825035572},  // TonForce(long)
    {9806.650000001},   // MegaPound
    {8896.5345187344},  // TonForce(short)
    {4448.2672593672},  // Kip
    {999.994901445},    // KiloNewton
    {100},              // HectoNewton
    {10},               // DekaNewton
    {kGravity},         // KilogramForce
    {4.4482216593},     // Pound Force
    {1},                // Joule/Meter
    {1},                // Newton
    {kPoundForce, 16},  // Ounce Force
    {0.138254954376},   // Poundal
    {1, 10},            // DeciNewton
    {kGravity, 100},    // Dekagram Force
    {1, 100},           // CentiNewton
    {kGravity, 1e3},    // GramForce
    {1, 1e3},           // <tab>MilliNewton
    {kGravity, 1e4},    // Decigram Force
    {1, 1e5},           // Dyne
    {1, 1e6},           // MicroNewton
    {1, 1e9},           // NanoNewton
    {1, 1e12},          // PicoNewton
    {1, 1e15},          // FemtoNewton
    {1, 1e18},          // AttoNewton
};

// 15. Frequency, in hertz; angular units count revolutions.
constexpr UnitSize kFrequencySizes[] = {
    {1e12},              // TerraHertz
    {1e9},               // GigaHertz
    {1e6},               // MegaHertz
    {1e3},               // KiloHertz
    {1},                 // Hertz
    {1, 2 * kPi},        // Radian/Second
    {1, 60},             // Revolution/Minute
    {1, 360},            // Degree Second
    {1, 2 * kPi * 60},   // Radian/Minute
    {1, 1e3},            // MilliHertz
    {1, 3600},           // Revolution/Hour
    {1, 360 * 60},       // Degree Minute
    {1, 2 * kPi * 3600}, // Radian/Hour
    {1, 360 * 3600},     // Degree Hour
};

// 16. Fuel Efficiency, in metres per litre.
constexpr UnitSize kFuelEfficiencySizes[] = {
    {1e18},                          // Exameter/liter
    {1e15},                          // Petameter/liter
    {1e12},                          // Terameter/liter
    {1e9},                           // Gigameter/liter
    {1853.2449600088},               // Nautical mile/liter
    {kMile},                         // Mile/liter (US)
    {1e3},                           // Kilometer/liter
    {489.5755247026},                // Nautical mile/gallon
    {425.1437075085},                // Mile/gallon (US)
    {kMile, kUkGallon},              // Mile/gallon (UK)
    {1e3, kUsGallon},                // Kilometer/gallon(US)
    {100},                           // Hectometer/liter
    {1, Cube(kInch) * kLitresPerM3}, // Meter/sq. inch
    {35.1950077698},                 // Meter/fluid ounce (UK)
    {128, kUsGallon},                // Meter/fluid ounce
    {10},                            // Dekameter/liter
    {16, kUsGallon},                 // Meter/cup
    {3.5195007769},                  // Meter/cup (UK)
    {8, kUsGallon},                  // Meter/pint
    {1.7597503889},                  // Meter/pint (UK)
    {4, kUsGallon},                  // Meter/quart
    {1},                             // Meter/liter
    {1, 1.136524823},                // Meter/quart (UK)
    {1, kUsGallon},                  // Meter/gallon
    {1, kUsGallon},                  // Meter/gallon (US)
    {1, 4.5460992939},               // Meter/gallon (UK)
    {1, Cube(kFoot) * kLitresPerM3}, // Meter/sq. feet
    {1, 100},                        // Centimeter/liter
    {1, Cube(kYard) * kLitresPerM3}, // Meter/sq. Yard
    {1, 1e3},                        // Meter/sq. meter
};

// 17. Length/Distance, in metres.
constexpr UnitSize kLengthSizes[] = {
    {5556.0000046892}, // League
    {1852},            // Nautical Mile
    {1609.3440006146}, // Mile
    {1e3},             // Kilometer
    {201.168},         // Furlong
    {20.116676725},    // Chain
    {5.0292},          // Rod
    {1},               // Meter
    {kYard},           // Yard
    {kFoot},           // Feet
    {1, 4.971},        // Link
    {0.1016},          // Hand
    {1, 10},           // Decimeter
    {kInch},           // Inch
    {1, 100},          // Centimeter
    {1, 472.4},        // Line
    {1, 1e3},          // Millimeter
    {1, 1e6},          // Micrometer
    {1, 1e9},          // Nanometer
    {1, 1e10},         // Angstrom
};

// 18. Volume, in litres.
constexpr UnitSize kVolumeSizes[] = {
    {kLitresPerM3},               // Cubic Meter
    {Cube(kYard) * kLitresPerM3}, // Cubic Yard
    {163.639338897},              // Barrel(british)
    {158.9825119236},             // Barrel (liquid)
    {115.6336725254},             // Barrel(dry)
    {100},                        // Hectoliter
    {36.3636363636},              // Bushel(british)
    {35.2360817477},              // Bushel(dry)
    {28.3168466092},              // Cubic Foot
    {10},                         // Decaliter
    {9.0909090909},               // Peck(british)
    {kUsBushel, 4},               // Peck(dry)
    {4.5454545454},               // Gallon(british)
    {4.4052863436},               // Gallon(dry)
    {kUsGallon},                  // Gallon(liquid)
    {1.1364927832},               // Quart(british)
    {1.1012003083},               // Quart(dry)
    {1},                          // Liter
    {kUsGallon, 4},               // Quart(liquid)
    {1, 1.76},                    // Pint(british)
    {1, 1.816},                   // Pint(dry)
    {kUsGallon, 8},               // Pint(liquid)
    {kUsGallon, 16},              // Cup
    {1, 7.265},                   // Gill(dry)
    {1, 8.454},                   // Gill(liquid)
    {1, 10},                      // Deciliter
    {kUsGallon, 128},             // Fluid Ounce
    {1, 35.2},                    // Fluid Ounce(british)
    {Cube(kInch) * kLitresPerM3}, // Cubic Inch
    {kUsGallon, 256},             // Tablespoon
    {1, 100},                     // Centiliter
    {kUsGallon, 768},             // Teaspoon
    {1, 270.5},                   // Fluid Dram
    {1, 1e3},                     // Milliliter
    {1, 16230},                   // Minim
    {1, 1e6},                     // Microliter
};

// 19. Resistance, in ohms.
constexpr UnitSize kResistanceSizes[] = {
    {898752432401.558}, // Statohm
    {1000000},          // Megohm
    {1.0004949999},     // Ohm (International)
    {1},                // Ohm
    {1, 1e6},           // Microhm
    {1, 1000000000},    // Abohm
};

// 20. Resistivity, in ohm metres.
constexpr UnitSize kResistivitySizes[] = {
    {8987524324.01558}, // Statohm centimeter
    {1},                // Ohm meter
    {1, 39.3700787402}, // Ohm inch
    {1, 100},           // Ohm centimeter
    {kInch, 1e6},       // Microhm inch
    {1, 1e8},           // Microhm centimeter
    {1, 601530493.404}, // Circular mil ohm/foot
    {1, 1e11},          // Abohm centimeter
};

// 21. Capacitance, in farads.
constexpr UnitSize kCapacitanceSizes[] = {
    {1e18},            // Exafarad
    {1e15},            // Petafarad
    {1e12},            // Terafarad
    {1000000000},      // Abfarad
    {1e9},             // Gigafarad
    {1e6},             // Megafarad
    {1e3},             // Kilofarad
    {100},             // Hectofarad
    {10},              // Dekafarad
    {1},               // Farad
    {1, 10},           // Decifarad
    {1, 100},          // Centifarad
    {1, 1e3},          // Millifarad
    {1, 1000000},      // Microfarad
    {1, 1e9},          // Nanofarad
    {1, 898755224015}, // Statfarad
    {1, 1e12},         // Picofarad
    {1, 1e15},         // Femtofarad
    {1, 1e18},         // Attofarad
};

// 22. Conductance, in siemens.
constexpr UnitSize kConductanceSizes[] = {
    {1000000000},      // Abmho
    {1e6},             // Megasiemens
    {1e3},             // Kilosiemens
    {1},               // Mho
    {1},               // Siemens
    {1, 1000},         // Millisiemens
    {1, 1e6},          // Micromho
    {1, 1000000},      // Gemmho
    {1, 1e6},          // Microsiemens
    {1, 899000000000}, // Statmho
};

// 23. Magnetic Flux, in webers.
constexpr UnitSize kMagneticFluxSizes[] = {
    {1},                // Tesla square meter
    {1},                // Volt second
    {1},                // Weber
    {1, 100},           // Megaline
    {1, 1000},          // Tesla square cm.
    {1, 1e5},           // Kiloline
    {1, 99966910.9525}, // Maxwell (International)
    {1, 1e8},           // Gauss square cm.
    {1, 1e8},           // Line
    {1, 100000000},     // Maxwell
};

// 24. Radioactivity, in becquerels.
constexpr UnitSize kRadioactivitySizes[] = {
    {kCurie * 1e9}, // Gigacurie
    {kCurie * 1e6}, // Megacurie
    {kCurie * 1e3}, // Kilocurie
    {1e12},         // Terabecquerel
    {37000000000},  // Curie
    {1e9},          // Gigabecquerel
    {37000000},     // Millicurie
    {1e6},          // Megabecquerel
    {kCurie, 1e6},  // Microcurie
    {1e3},          // Kilobecquerel
    {kCurie, 1e9},  // Nanocurie
    {1},            // Becquerel
    {kCurie, 1e12}, // Picocurie
    {1, 1e3},       // Millibecquerel
    {1, 1e6},       // Microbecquerel
};

// 25. Radiation Absorbed Dose, in grays; 1 rad is 0.01 gray.
constexpr UnitSize kAbsorbedDoseSizes[] = {
    {1e12},         // Teragray
    {1e9},          // Gigagray
    {1e9, 100},     // Gigarad
    {1e6},          // Joule/milligram
    {1e6},          // Megagray
    {1e5},          // Joule/centigram
    {1e6, 100},     // Megarad
    {1e3},          // Joule/gram
    {1000},         // Kilogray
    {1e3, 100},     // Kilorad
    {1},            // Gray
    {1},            // Joule/kilogram
    {1, 100},       // Rad
    {1, 1e3},       // Milligray
    {1, 1e3 * 100}, // Millirad
    {1, 1e6},       // Microgray
    {1, 1e6 * 100}, // Microrad
    {1, 1e9},       // Nanogray
    {1, 1e9 * 100}, // Nanorad
};

// 26. Radiation Exposure, in coulombs per kilogram.
constexpr UnitSize kExposureSizes[] = {
    {1},                   // Coulomb/kilogram
    {1, 462.5261327248},   // Sievert
    {1, 1e3},              // Millicoulomb/kilogram
    {1, 3875.968992248},   // Roentgen
    {1, 3875.968992248},   // Parker
    {1, 3875.968992248},   // Rep
    {1, 46252.6132724806}, // Rem
    {1, 1e6},              // Microcoulomb/kilogram
};

// 27. Heat Capacity, in joules per kilogram kelvin.
constexpr UnitSize kHeatCapacitySizes[] = {
    {4186.8000000086}, // BTU/pound degR
    {4186.8000000086}, // BTU/pound degF
    {4186.8000000086}, // Calorie/gram degC
    {4186.8000000086}, // CHU/pound degC
    {4186.8000000086}, // Kilocalorie/kilogram degC
    {2326.0000000026}, // BTU/pound degC
    {1e3},             // Joule/gram degC
    {1e3},             // Kilojoule/kilogram degC
    {1000},            // Kilojoule/kilogram K
    {1},               // oule/kilogram degC
    {1},               // Joule/kilogram K
};

// 28. Heat Transfer Coefficient, in watts per square metre kelvin.
constexpr UnitSize kHeatTransferSizes[] = {
    {41868.0000000869}, // Calorie/sec sq cm degC
    {12.51842782},      // Kilocal/hr sq foot degC
    {5.6782633979},     // BTU/hour sq foot degF
    {5.6782633979},     // CHU/hr sq foot degC
    {1.1629999999},     // Kilocal/hr sq meterdegC
    {1},                // Joule/sec sq meter K
    {1},                // Watt/sq m. degC
    {1},                // Watt/sq meter K
};

// 29. Heat Flux Density, in watts per square metre.
constexpr UnitSize kHeatFluxSizes[] = {
    {41868.0000000869}, // Calorie/sec sq cm
    {1e4},              // Watt/sq centimeter
    {7916.8426579964},  // Horsepower/sq foot
    {1550.0031011401},  // Watt/sq inch
    {1e3},              // Kilowatt/sq meter
    {189.2754465394},   // BTU/minute sq foot
    {12.51842782},      // Kilocalorie/hr sq foot
    {11.6300000007},    // Gram calorie/hr sq cm
    {5.6782633979},     // CHU/hour sq foot
    {3.154590778},      // BTU/hour sq foot
    {1.1629999999},     // Kilocalorie/hr sq meter
    {1},                // Joule/second sq meter
    {1},                // Watt/sq meter
    {1, 4.111305952},   // Foot pound/min sq foot
    {1, 36000},         // Erg/hour sq millimeter
    {1, 3600000},       // Dyne/hour centimt
};

// 30. Flow - Mass, in kilograms per second.
constexpr UnitSize kMassFlowSizes[] = {
    {1e15},           // exagram/second
    {1e12},           // petagram/second
    {1e9},            // teragram/second
    {1e6},            // gigagram/second
    {1e3},            // megagram/second
    {1},              // kilogram/second
    {kPound},         // pound/second
    {1, 10},          // hectogram/second
    {1, 60},          // kilogram/minute
    {1, 100},         // dekagram/second
    {kPound, 60},     // pound/minute
    {1, 1e3},         // gram/second
    {1, 3600},        // kilogram/hour
    {1, 7936.64143},  // pound/hour
    {1, 1e4},         // decigram/second
    {1, 1e3 * 60},    // gram/minute
    {1, 86400},       // kilogram/day
    {1, 1e5},         // centigram/second
    {kPound, 86400},  // pound/day
    {1, 1e6},         // milligram/second
    {1, 1e3 * 3600},  // gram/hour
    {1, 1e6 * 60},    // milligram/minute
    {1, 1e3 * 86400}, // gram/day
    {1, 1e9},         // microgram/second
    {1, 1e6 * 3600},  // milligram/hour
    {1, 1e6 * 86400}, // milligram/day
};

// 31. Flow - Volume, in cubic metres per second.
constexpr UnitSize kVolumeFlowSizes[] = {
    {1},                                    // cubic meter/second
    {Cube(kYard)},                          // cubic yard/second
    {1, 2.9185558233},                      // acre-foot/hour
    {kOilBarrel, kLitresPerM3},             // barrel (oil)/second
    {Cube(kFoot)},                          // cubic foot/second
    {1, 60},                                // cubic meter/minute
    {1, 70.0453397609},                     // acre-foot/day
    {Cube(kYard), 60},                      // cubic yard/minute
    {kUkGallon, kLitresPerM3},              // gallon (UK)/second
    {kUsGallon, kLitresPerM3},              // gallon/second
    {kOilBarrel, kLitresPerM3 * 60},        // barrel (oil)/minute
    {1, 739.3290564342},                    // kilogram/second
    {1, kLitresPerM3},                      // liter/second
    {1, 1629.9415631903},                   // pound/second
    {Cube(kFoot), 60},                      // cubic foot/minute
    {1, 3600},                              // cubic meter/hour
    {Cube(kYard), 3600},                    // cubic yard/hour
    {kUkGallon, kLitresPerM3 * 60},         // gallon (UK)/minute
    {1, 15850.3231414673},                  // gallon/minute
    {kOilBarrel, kLitresPerM3 * 3600},      // barrel (oil)/hour
    {1, 25566.5490127355},                  // acre-foot/year
    {kUsGallon, kLitresPerM3 * 128},        // ounce/second
    {kUkGallon, kLitresPerM3 * 160},        // ounce (UK)/second
    {1, 44359.7433936845},                  // kilogram/minute
    {1, kLitresPerM3 * 60},                 // liter/minute
    {Cube(kInch)},                          // cubic inch/second
    {1, 86400},                             // cubic meter/day
    {1, 97796.4937840018},                  // pound/minute
    {Cube(kFoot), 3600},                    // cubic foot/hour
    {kOilBarrel, kLitresPerM3 * 86400},     // barrel (oil)/day
    {kUkGallon, kLitresPerM3 * 3600},       // gallon (UK)/hour
    {kUsGallon, kLitresPerM3 * 3600},       // gallon/hour
    {1, 1e6},                               // cubic cm./second
    {1, 1e6},                               // milliliter/second
    {kUsGallon, kLitresPerM3 * 128 * 60},   // ounce/minute
    {kUkGallon, kLitresPerM3 * 160 * 60},   // ounce (UK)/minute
    {1, 2661584.60334387},                  // kilogram/hour
    {1, kLitresPerM3 * 3600},               // liter/hour
    {Cube(kInch), 60},                      // cubic inch/minute
    {1, 5867789.62503131},                  // pound/hour
    {kUkGallon, kLitresPerM3 * 86400},      // gallon (UK)/day
    {kUsGallon, kLitresPerM3 * 86400},      // gallon/day
    {1, 1e6 * 60},                          // milliliter/minute
    {1, 1e6 * 60},                          // cubic cm./minute
    {1, 63878030.4840689},                  // kilogram/day
    {1, kLitresPerM3 * 86400},              // liter/day
    {kUsGallon, kLitresPerM3 * 128 * 3600}, // ounce/hour
    {kUkGallon, kLitresPerM3 * 160 * 3600}, // ounce (UK)/hour
    {1, 140826951.050647},                  // pound/day
    {Cube(kInch), 3600},                    // cubic inch/hour
    {1, 1e6 * 3600},                        // cubic centimeter/hour
    {1, 1e6 * 3600},                        // milliliter/hour
    {1, 1e6 * 86400},                       // milliliter/day
    {1, 1e6 * 86400},                       // cubic centimeter/day
};

// 32. Flow - Molar, in moles per second.
constexpr UnitSize kMolarFlowSizes[] = {
    {1e18},           // examol/second
    {1e15},           // petamol/second
    {1e12},           // teramol/second
    {1e9},            // gigamol/second
    {1e6},            // megamol/second
    {1e3},            // kilomol/second
    {100},            // hectomol/second
    {1e3, 60},        // kilomol/minute
    {10},             // dekamol/second
    {1},              // mol/second
    {1, 3.6},         // kilomol/hour
    {1, 10},          // decimol/second
    {1, 60},          // mol/minute
    {1e3, 86400},     // kilomol/day
    {1, 100},         // centimol/second
    {1, 1e3},         // millimol/second
    {1, 3600},        // mol/hour
    {1, 1e3 * 60},    // millimol/minute
    {1, 86400},       // mol/day
    {1, 1e6},         // micromol/second
    {1, 1e3 * 3600},  // millimol/hour
    {1, 1e3 * 86400}, // millimol/day
    {1, 1e9},         // nanomol/second
    {1, 1e12},        // picomol/second
    {1, 1e15},        // femtomol/second
    {1, 1e18},        // attomol/second
};

// 33. Luminous Intensity, in international candles.
constexpr UnitSize kLuminousIntensitySizes[] = {
    {10},         // Pentane candle
    {9.60999},    // Carcel unit
    {1.05263},    // Candle (German)
    {1.04166},    // Candle (UK)
    {1},          // Candle(Int)
    {1, 1},       // Candle (pentane)
    {1, 1},       // Bougie decimal
    {1, 1},       // Decimal candle
    {1, 1},       // Lumen/steradian
    {1, 1.11111}, // Hefner candle
};

// 34. Illumination, in lux.
constexpr UnitSize kIlluminationSizes[] = {
    {6829999.99999167}, // Watt/sq. centimeter
    {1e4},              // Lumen/sq. centimeter
    {1e4},              // Centimeter candle
    {1e4},              // Phot
    {43.0556416668},    // Flame
    {10.7639104166},    // Foot candle
    {1, Square(kFoot)}, // Lumen/sq. foot
    {1},                // Lux
    {1},                // Lumen/sq. meter
    {1},                // Meter candle
    {1, 1e3},           // Nox
};

// 35. Temperature: only the diagonal is read; the conversion uses its own formulas.
constexpr UnitSize kTemperatureSizes[] = {
    {1}, // Reaumur (R)
    {1}, // Celsius (C)
    {1}, // Fahrenheit (F)
    {1}, // Kelvin (K)
    {1}, // Rankine
};

// 36. Magnetic Flux Density, in teslas.
constexpr UnitSize kFluxDensitySizes[] = {
    {1e4},                    // Weber/square cm.
    {1, Square(kInch)},       // Weber/square inch
    {1},                      // Weber/square meter
    {1},                      // Tesla
    {1, 1},                   // Maxwell/square meter
    {1, 9996.69109},          // Gauss (International)
    {1, 10000},               // Gauss
    {1, 1e4},                 // Line/square cm.
    {1, 1e4},                 // Maxwell/square cm.
    {1, 1e8 * Square(kInch)}, // Line/square inch
    {1, 1e8 * Square(kInch)}, // Maxwell/square inch
};

// 37. Luminance, in candelas per square metre.
constexpr UnitSize kLuminanceSizes[] = {
    {6829999.99999167}, // Watt/sq. centimeter
    {1e4},              // Candela/sq. centimeter
    {1e4},              // Stilb
    {10000},            // Lumen/sq. centimeter
    {10000},            // Lambert
    {1, Square(kInch)}, // Candela/square inch
    {1e3},              // Kilocandela/sq. meter
    {1, Square(kFoot)}, // Candela/square foot
    {10.7639104167},    // Lumen/sq. foot
    {10},               // Millilambert
    {3.4262590996},     // Foot-lambert
    {1},                // Candela/sq. meter
    {1, 1},             // Lumen/sq. meter
    {1},                // Nit
    {1, kPi},           // Apostilb
    {1, kPi},           // Blondel
    {1, 1e3},           // Millinit
    {1, 1e3 * kPi},     // Skot
    {1, 1e7 * kPi},     // Bril
};

} // namespace

constexpr std::array<CategoryData, kCategoryCount> kCatalogueData = {{
    {L"Acceleration",
     L"Mile/sq.second$Kilometer/sq.second$Hectometer/sq. second$Dekameter/sq. second$G$"
     L"Meter/sq. second$Yard/sq. second$Foot/sq. second$Decimeter/sq. second$"
     L"Inch/sq.second$Gal$Centimeter/sq.second$Millimeter/sq. second$Micrometer/sq. second$"
     L"Nanometer/sq. second$Picometer/sq. second$Femtometer/sq. second$"
     L"Attometer/sq. second$",
     kAccelerationSizes},
    {L"Weight/Mass",
     L"Kilotonne$Long Ton$Tonne$Short Ton$KiloNewton$Centner$Long Hundredweight$"
     L"Short Hundredweight$Stone$Kilogram$Pound(Lb)$Newton$Ounce$Dram$Gram$Carat$Grain$"
     L"Centigram$Mite$Milligram$Doite$Microgram$",
     kMassSizes},
    {L"Computer Storage",
     L"ExaByte$ExaBit$PetaByte$PetaBit$TeraByte$TeraBit$GigaByte$GigaBit$MegaByte$MegaBit$"
     L"KiloByte$KiloBit$Byte$Bit$",
     kStorageSizes},
    {L"Circular/Angle",
     L"Circumference$Sextant$Radian(rad)$Point$Nautical Rhumb$Degree (deg)$Grade (grad)$"
     L"Minute(')$Second('')$",
     kAngleSizes},
    {L"Density",
     L"Exagram/liter$Petagram/liter$Teragram/liter$Gigagram/liter$Kg/cubic centimeter$"
     L"Gram/cubic millimeter$Pound/cubic inch$Ounce/cubic inch$Ton(long)/cubic yard$"
     L"Ton(short)/cubic yard$Kilogram/liter$Gram/cubic centimete$Slug/cubic foot$"
     L"Pound/gallon(US)$Hectogram/liter$Pound/gallon(UK)$Pound/cubic foot$Dekagram/liter$"
     L"Ounce/gallon(US)$Ounce/gallon(UK)$Ounce/cubic foot$Kg/cubic meter$Gram/liter$"
     L"Pound/cubic yard$Decigram/liter$Grain/gallon(US)$Grain/gallon(UK)$Centigram/liter$"
     L"Grain/cubic foot$Milligram/liter$Gram/cubic meter$Milligram/cubic meter$"
     L"Microgram/liter$Nanogram/liter$Picogram/liter$Femtogram/liter$Attogram/liter$",
     kDensitySizes},
    {L"Pressure",
     L"Exapascal$Petapascal$Terapascal$Gigapascal$Ton/square inch$Kilogram/square mm$"
     L"Kip/square inch$Megapascal$Newton/square mm$Atmosphere$Bar$Kilogram/square cm$"
     L"Ton/square foot$Newton/square cm$Pound/square inch$Psi$Inch mercury (32\u00B0F)$"
     L"Foot water (60\u00B0F)$Cm. mercury (0\u00B0C)$Kilopascal$Kilonewton/square m$"
     L"Inch water (60\u00B0F)$MM mercury (0\u00B0C)$Torr$Millibar$Hectopascal$"
     L"Cm. water (4\u00B0C)$Pound/square foot$Dekapascal$Kilogram/square m$Newton/square m$"
     L"Pascal$Decipascal$Dyne/square cm$Microbar$Centipascal$Millipascal$Micropascal$"
     L"Nanopascal$Picopascal$Femtopascal$Attopascal$",
     kPressureSizes},
    {L"Sound", L"Bel$Nepe$Decibel$", kSoundSizes},
    {L"Power",
     L"MegaWatt$KiloCalorie per Second$KiloWatt$HorsePower$Calorie per Second$Watt$"
     L"Joule per Hour$Erg per Second$",
     kPowerSizes},
    {L"Date/Time",
     L"Century$Year$Dracontic Year$Calendar Month$Synodic Month$Anomalistic Month$"
     L"Syderic Month$Dracontic Month$Week$Day$Hour$Minute$Second$",
     kTimeSizes},
    {L"Torque",
     L"LongToneForceFoot$ShortToneForceFoot$KilogramForceMeter$PoundForceFoot$Newton Meter$"
     L"PoundForceInch$KilogramForceCentimete$Newton Centimeter$GramForceMeter$"
     L"OunceForceInch$GramForceCentimeter$Dyne Meter$Dyne Centimeter$",
     kTorqueSizes},
    {L"Calorie",
     L"Therm/gallon (UK)$Therm/cubic foot$Calorie/cubic centimt$Megajoule/cubic meter$"
     L"CHU/cubic foot$BTU/cubic foot$Kilocalorie/cubic meter$Kilojoule/cubic meter$"
     L"Joule/cubic meter$",
     kEnergyDensitySizes},
    {L"Speed",
     L"Speed of light(vacuum)$Mile/second$Kilometer/second$Mach$Speed of sound(air)$"
     L"Meter/second$Knot$Mile/hour$Foot/second$Kilometer/hour$Inch/second$Meter/minute$"
     L"Centimeter/second$Millimeter/second$",
     kSpeedSizes},
    {L"Area",
     L"Township$Square Mile$Square Kilometer$Homestead$Hectare$Acre$Rood$Are$Square Rod$"
     L"Square$Square Meter$Square Yard$Square Foot$Square Inch$Square Centimeter$"
     L"Square Millimeter$Barn$",
     kAreaSizes},
    {L"Energy/Work",
     L"Quad$Therm$MegaCalorie$Kilowatt Hour$MegaJoule$KiloCalorie$Watt Hour$"
     L"Thermal Unit(british)$KiloJoule$Calorie$Foot Pound$Joule$Watt Second$Erg$"
     L"Electronvolt$",
     kEnergySizes},
    {L"Force",
     L"MegaNewton$TonForce(long)$MegaPound$TonForce(short)$Kip$KiloNewton$HectoNewton$"
     L"DekaNewton$KilogramForce$Pound Force$Joule/Meter$Newton$Ounce Force$Poundal$"
     L"DeciNewton$Dekagram Force$CentiNewton$GramForce$\tMilliNewton$Decigram Force$Dyne$"
     L"MicroNewton$NanoNewton$PicoNewton$FemtoNewton$AttoNewton$",
     kForceSizes},
    {L"Frequency",
     L"TerraHertz$GigaHertz$MegaHertz$KiloHertz$Hertz$Radian/Second$Revolution/Minute$"
     L"Degree Second$Radian/Minute$MilliHertz$Revolution/Hour$Degree Minute$Radian/Hour$"
     L"Degree Hour$",
     kFrequencySizes},
    {L"Fuel Efficiency",
     L"Exameter/liter$Petameter/liter$Terameter/liter$Gigameter/liter$Nautical mile/liter$"
     L"Mile/liter (US)$Kilometer/liter$Nautical mile/gallon$Mile/gallon (US)$"
     L"Mile/gallon (UK)$Kilometer/gallon(US)$Hectometer/liter$Meter/sq. inch$"
     L"Meter/fluid ounce (UK)$Meter/fluid ounce$Dekameter/liter$Meter/cup$Meter/cup (UK)$"
     L"Meter/pint$Meter/pint (UK)$Meter/quart$Meter/liter$Meter/quart (UK)$Meter/gallon$"
     L"Meter/gallon (US)$Meter/gallon (UK)$Meter/sq. feet$Centimeter/liter$Meter/sq. Yard$"
     L"Meter/sq. meter$",
     kFuelEfficiencySizes},
    {L"Length/Distance",
     L"League$Nautical Mile$Mile$Kilometer$Furlong$Chain$Rod$Meter$Yard$Feet$Link$Hand$"
     L"Decimeter$Inch$Centimeter$Line$Millimeter$Micrometer$Nanometer$Angstrom$",
     kLengthSizes},
    {L"Volume",
     L"Cubic Meter$Cubic Yard$Barrel(british)$Barrel (liquid)$Barrel(dry)$Hectoliter$"
     L"Bushel(british)$Bushel(dry)$Cubic Foot$Decaliter$Peck(british)$Peck(dry)$"
     L"Gallon(british)$Gallon(dry)$Gallon(liquid)$Quart(british)$Quart(dry)$Liter$"
     L"Quart(liquid)$Pint(british)$Pint(dry)$Pint(liquid)$Cup$Gill(dry)$Gill(liquid)$"
     L"Deciliter$Fluid Ounce $Fluid Ounce(british)$Cubic Inch$Tablespoon$Centiliter$"
     L"Teaspoon$Fluid Dram$Milliliter$Minim$Microliter$",
     kVolumeSizes},
    {L"Resistance", L"Statohm$Megohm$Ohm (International)$Ohm$Microhm$Abohm$", kResistanceSizes},
    {L"Resistivity",
     L"Statohm centimeter$Ohm meter$Ohm inch$Ohm centimeter$Microhm inch$"
     L"Microhm centimeter$Circular mil ohm/foot$Abohm centimeter$",
     kResistivitySizes},
    {L"Capacitance",
     L"Exafarad$Petafarad$Terafarad$Abfarad$Gigafarad$Megafarad$Kilofarad$Hectofarad$"
     L"Dekafarad$Farad$Decifarad$Centifarad$Millifarad$Microfarad$Nanofarad$Statfarad$"
     L"Picofarad$Femtofarad$Attofarad$",
     kCapacitanceSizes},
    {L"Conductance",
     L"Abmho$Megasiemens$Kilosiemens$Mho$Siemens$Millisiemens$Micromho$Gemmho$Microsiemens$"
     L"Statmho$",
     kConductanceSizes},
    {L"Magnetic Flux",
     L"Tesla square meter$Volt second$Weber$Megaline$Tesla square cm.$Kiloline$"
     L"Maxwell (International)$Gauss square cm.$Line$Maxwell$",
     kMagneticFluxSizes},
    {L"Radioactivity",
     L"Gigacurie$Megacurie$Kilocurie$Terabecquerel$Curie$Gigabecquerel$Millicurie$"
     L"Megabecquerel$Microcurie$Kilobecquerel$Nanocurie$Becquerel$Picocurie$Millibecquerel$"
     L"Microbecquerel$",
     kRadioactivitySizes},
    {L"Radiation Absorbed Dose",
     L"Teragray$Gigagray$Gigarad$Joule/milligram$Megagray$Joule/centigram$Megarad$"
     L"Joule/gram$Kilogray$Kilorad$Gray$Joule/kilogram$Rad$Milligray$Millirad$Microgray$"
     L"Microrad$Nanogray$Nanorad$",
     kAbsorbedDoseSizes},
    {L"Radiation Exposure",
     L"Coulomb/kilogram$Sievert$Millicoulomb/kilogram$Roentgen$Parker$Rep$Rem$"
     L"Microcoulomb/kilogram$",
     kExposureSizes},
    {L"Heat Capacity",
     L"BTU/pound \u00B0R$BTU/pound \u00B0F$Calorie/gram \u00B0C$CHU/pound \u00B0C$"
     L"Kilocalorie/kilogram \u00B0C$BTU/pound \u00B0C$Joule/gram \u00B0C$"
     L"Kilojoule/kilogram \u00B0C$Kilojoule/kilogram K$oule/kilogram \u00B0C$"
     L"Joule/kilogram K$",
     kHeatCapacitySizes},
    {L"Heat Transfer Coefficient",
     L"Calorie/sec sq cm \u00B0C$Kilocal/hr sq foot \u00B0C$BTU/hour sq foot \u00B0F$"
     L"CHU/hr sq foot \u00B0C$Kilocal/hr sq meter\u00B0C$Joule/sec sq meter K$"
     L"Watt/sq m. \u00B0C$Watt/sq meter K$",
     kHeatTransferSizes},
    {L"Heat Flux Density",
     L"Calorie/sec sq cm$Watt/sq centimeter$Horsepower/sq foot$Watt/sq inch$"
     L"Kilowatt/sq meter$BTU/minute sq foot$Kilocalorie/hr sq foot$Gram calorie/hr sq cm$"
     L"CHU/hour sq foot$BTU/hour sq foot$Kilocalorie/hr sq meter$Joule/second sq meter$"
     L"Watt/sq meter$Foot pound/min sq foot$Erg/hour sq millimeter$Dyne/hour centimt$",
     kHeatFluxSizes},
    {L"Flow - Mass",
     L"exagram/second$petagram/second$teragram/second$gigagram/second$megagram/second$"
     L"kilogram/second$pound/second$hectogram/second$kilogram/minute$dekagram/second$"
     L"pound/minute$gram/second$kilogram/hour$pound/hour$decigram/second$gram/minute$"
     L"kilogram/day$centigram/second$pound/day$milligram/second$gram/hour$milligram/minute$"
     L"gram/day$microgram/second$milligram/hour$milligram/day$",
     kMassFlowSizes},
    {L"Flow - Volume",
     L"cubic meter/second$cubic yard/second$acre-foot/hour$barrel (oil)/second$"
     L"cubic foot/second$cubic meter/minute$acre-foot/day$cubic yard/minute$"
     L"gallon (UK)/second$gallon/second$barrel (oil)/minute$kilogram/second$liter/second$"
     L"pound/second$cubic foot/minute$cubic meter/hour$cubic yard/hour$gallon (UK)/minute$"
     L"gallon/minute$barrel (oil)/hour$acre-foot/year$ounce/second$ounce (UK)/second$"
     L"kilogram/minute$liter/minute$cubic inch/second$cubic meter/day$pound/minute$"
     L"cubic foot/hour$barrel (oil)/day$gallon (UK)/hour$gallon/hour$cubic cm./second$"
     L"milliliter/second$ounce/minute$ounce (UK)/minute$kilogram/hour$liter/hour$"
     L"cubic inch/minute$pound/hour$gallon (UK)/day$gallon/day$milliliter/minute$"
     L"cubic cm./minute$kilogram/day$liter/day$ounce/hour$ounce (UK)/hour$pound/day$"
     L"cubic inch/hour$cubic centimeter/hour$milliliter/hour$milliliter/day$"
     L"cubic centimeter/day$",
     kVolumeFlowSizes},
    {L"Flow - Molar",
     L"examol/second$petamol/second$teramol/second$gigamol/second$megamol/second$"
     L"kilomol/second$hectomol/second$kilomol/minute$dekamol/second$mol/second$"
     L"kilomol/hour$decimol/second$mol/minute$kilomol/day$centimol/second$millimol/second$"
     L"mol/hour$millimol/minute$mol/day$micromol/second$millimol/hour$millimol/day$"
     L"nanomol/second$picomol/second$femtomol/second$attomol/second$",
     kMolarFlowSizes},
    {L"Luminous Intensity",
     L"Pentane candle$Carcel unit$Candle (German)$Candle (UK)$Candle(Int)$Candle (pentane)$"
     L"Bougie decimal$Decimal candle$Lumen/steradian$Hefner candle$",
     kLuminousIntensitySizes},
    {L"Illumination",
     L"Watt/sq. centimeter$Lumen/sq. centimeter$Centimeter candle$Phot$Flame$Foot candle$"
     L"Lumen/sq. foot$Lux$Lumen/sq. meter$Meter candle$Nox$",
     kIlluminationSizes},
    {L"Temperature", L"Reaumur (R)$Celsius (C)$Fahrenheit (F)$Kelvin (K)$Rankine$",
     kTemperatureSizes},
    {L"Magnetic Flux Density",
     L"Weber/square cm.$Weber/square inch$Weber/square meter$Tesla$Maxwell/square meter$"
     L"Gauss (International)$Gauss$Line/square cm.$Maxwell/square cm.$Line/square inch$"
     L"Maxwell/square inch$",
     kFluxDensitySizes},
    {L"Luminance",
     L"Watt/sq. centimeter$Candela/sq. centimeter$Stilb$Lumen/sq. centimeter$Lambert$"
     L"Candela/square inch$Kilocandela/sq. meter$Candela/square foot$Lumen/sq. foot$"
     L"Millilambert$Foot-lambert$Candela/sq. meter$Lumen/sq. meter$Nit$Apostilb$Blondel$"
     L"Millinit$Skot$Bril$",
     kLuminanceSizes},
}};

namespace {

// Every list names exactly as many units as its category has sizes, each name ended by one '$'.
constexpr bool ListsMatchSizes() {
    return std::ranges::all_of(kCatalogueData, [](const CategoryData& data) {
        return !data.unitList.empty() && data.unitList.back() == L'$' &&
               data.unitList.find(L"$$") == std::wstring_view::npos &&
               static_cast<std::size_t>(std::ranges::count(data.unitList, L'$')) ==
                   data.sizes.size();
    });
}

static_assert(ListsMatchSizes());
static_assert(kCatalogueData[kTemperatureCategory].name == L"Temperature");

} // namespace
