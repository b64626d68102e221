#include "units/unit_tables.h"

#include <limits>

namespace kalvo {

namespace {

// Names are Latin-1: "\xB0" is the degree sign, "\xB2" and "\xB3" the superscript two and
// three, "\xB5" the micro sign and "\xE9" e acute. The sizes are the decimal values of the
// tables, read as extended reals.

constexpr UnitRow kLengthUnits[] = {
    {"A\xB0", 1e-10L},
    {"Astron.unit", 1.496e11L},
    {"Chain", 20.1168L},
    {"CM", 0.01L},
    {"Fathom", 1.8288L},
    {"Fermi", 1e-15L},
    {"Foot", 0.3048L},
    {"Furlong", 201.168L},
    {"Inch", 0.0254L},
    {"KM", 1000.0L},
    {"League", 4828.032L},
    {"Light year", 9.460528405e15L},
    {"Meter", 1.0L},
    {"Mil", 2.54e-5L},
    {"Mile", 1609.344L},
    {"MM", 0.001L},
    {"\xB5M", 1e-6L},
    {"Nautical Mile", 1853.24496L},
    {"Parsec", 3.085729264e16L},
    {"Yard", 0.9144L},
};

constexpr UnitRow kTemperatureUnits[] = {
    {"Celsium", 0.0L},
    {"Farhenheit", 0.0L},
    {"Kelvin", 0.0L},
    {"Rankine", 0.0L},
    {"R\xE9"
     "aumur",
     0.0L},
};

// Absolute zero in each temperature unit.
constexpr Real kTemperatureLeast[] = {-273.15L, -459.67L, 0.0L, 0.0L, -218.52L};

constexpr UnitRow kVolumeUnits[] = {
    {"Barrel", 119.2404712L},
    {"Barrel (oil)", 158.9872949L},
    {"CM\xB3", 0.001L},
    {"Deciliter", 0.1L},
    {"Dekaliter", 10.0L},
    {"Foot\xB3", 28.31684659L},
    {"Gallon", 3.785411784L},
    {"Galon (GB)", 4.546099294L},
    {"Hectoliter", 100.0L},
    {"Inch\xB3", 0.016387064L},
    {"Liter", 1.0L},
    {"Meter\xB3", 1000.0L},
    {"Milliliter", 0.001L},
    {"Ounce (oz.)", 0.02957352956L},
    {"Ounce (GB)", 0.02841312059L},
    {"Pint", 0.473176473L},
    {"Pint (GB)", 0.5682624117L},
    {"Quart", 0.946352946L},
    {"Quart (GB)", 1.136524823L},
    {"Yard\xB3", 764.554858L},
};

constexpr UnitRow kAreaUnits[] = {
    {"Arce", 4046.856422L},      {"Are", 100.0L},           {"CM\xB2", 0.0001L},
    {"Chain\xB2", 404.6856422L}, {"Decimeter\xB2", 0.01L},  {"Dekameter\xB2", 100.0L},
    {"Foot\xB2", 0.09290304L},   {"Hectare", 10000.0L},     {"Hectometre\xB2", 10000.0L},
    {"Inch\xB2", 0.00064516L},   {"Kilometer\xB2", 1e6L},   {"Meter\xB2", 1.0L},
    {"Micrometer\xB2", 1e-12L},  {"Mile", 2589988.11L},     {"Millimeter\xB2", 1e-6L},
    {"Nonometer\xB2", 1e-18L},   {"Rod\xB2", 25.29285264L}, {"Rood", 1011.714106L},
    {"Township", 93239571.97L},  {"Yard\xB2", 0.83612736L},
};

// A month is 30 days, a year 365 days; decade, century and millennium count such years.
constexpr UnitRow kTimeUnits[] = {
    {"Attosecond", 1e-18L},     {"Century", 3153600000.0L}, {"Day", 86400.0L},
    {"Decade", 315360000.0L},   {"Femtosecond", 1e-15L},    {"Fornight", 1209600.0L},
    {"Hour", 3600.0L},          {"Leap year", 31622400.0L}, {"Microsecond", 1e-6L},
    {"Miiiennium", 3.1536e10L}, {"Millisecond", 0.001L},    {"Minute", 60.0L},
    {"Month", 2592000.0L},      {"Nanosecond", 1e-9L},      {"Picosecond", 1e-12L},
    {"Second", 1.0L},           {"Week", 604800.0L},        {"Year", 31536000.0L},
};

constexpr UnitRow kMassUnits[] = {
    {"Carat", 0.0002L},
    {"Dalton", 1.66053e-27L},
    {"Dyne", 1.019716213e-6L},
    {"Grain", 6.479891e-5L},
    {"Gram", 0.001L},
    {"Kilogram", 1.0L},
    {"Kip", 453.59237L},
    {"Microgram", 1e-9L},
    {"Ounce", 0.02834952313L},
    {"Pennyweight", 0.00155517384L},
    {"Pound", 0.45359237L},
    {"Poundal", 0.01408671957L},
    {"Quarter", 11.33980925L},
    {"Quarter (GB)", 12.70058636L},
    {"Slug", 14.59390294L},
    {"Ton", 907.18474L},
    {"Ton (long)", 1016.046909L},
    {"Ton (metric)", 1000.0L},
    {"Troy ounce", 0.031103475L},
    {"Troy Pound", 0.3732417L},
};

constexpr UnitRow kForceUnits[] = {
    {"Dyne", 1e-5L},
    {"Gram force", 0.00980665L},
    {"Joule/CM", 0.01L},
    {"Joule/Meter", 1.0L},
    {"Kilogram force", 9.80665L},
    {"Kilonewton", 1000.0L},
    {"Kip force", 4448.221615L},
    {"Millinewton", 0.001L},
    {"Newton", 1.0L},
    {"Ounce force", 0.278013851L},
    {"Pound force", 4.448221615L},
    {"Poundal", 0.1382549544L},
};

constexpr UnitRow kAccelerationUnits[] = {
    {"cm/sec\xB2", 0.01L},
    {"Foot/sec\xB2", 0.3048L},
    {"g", 9.80665L},
    {"gal", 0.01L},
    {"Inch/sec\xB2", 0.0254L},
    {"m/sec\xB2", 1.0L},
    {"Mile/sec\xB2", 1609.344L},
    {"Yard/sec\xB2", 0.9144L},
    {"km/sec\xB2", 1000.0L},
};

constexpr UnitRow kEnergyUnits[] = {
    {"Calorie", 4.1868L},
    {"Calorie(chem.)", 4.184L},
    {"Dyne*cm (erg)", 1e-7L},
    {"Electron volt", 1.6021e-19L},
    {"Foot*pound", 1.355817948L},
    {"Gram force*cm", 9.80665e-5L},
    {"Horsepower*hour", 2684519.537L},
    {"Inch*ouns", 0.007061551814L},
    {"Inch*pound", 0.112984829L},
    {"Joul(newton*m)", 1.0L},
    {"Kilowatt*hour", 3600000.0L},
    {"Poundal*foot", 0.04214011L},
    {"Term", 105505600.0L},
    {"Ton", 4184000000.0L},
};

constexpr Real kNoLeast = -std::numeric_limits<Real>::infinity();

const UnitCategory kCategories[] = {
    {kAcceleration, "A&cceleration", "Acceleration", kAccelerationUnits, 0.0L, {}},
    {kArea, "&Area", "Area", kAreaUnits, 0.0L, {}},
    {kForce, "&Force", "Force", kForceUnits, 0.0L, {}},
    {kLength, "&Length", "Length", kLengthUnits, kNoLeast, {}},
    {kMass, "&Mass", "Mass", kMassUnits, 0.0L, {}},
    {kTemperature, "&Temperature", "Temperature", kTemperatureUnits, 0.0L, kTemperatureLeast},
    {kTime, "T&ime", "Time", kTimeUnits, 0.0L, {}},
    {kVolume, "&Volume", "Volume", kVolumeUnits, 0.0L, {}},
    {kEnergy, "&Energy", "Energy", kEnergyUnits, 0.0L, {}},
};

}  // namespace

std::span<const UnitCategory> UnitCategories() {
    return kCategories;
}

const UnitCategory* FindUnitCategory(int number) {
    for (const UnitCategory& category : kCategories) {
        if (category.number == number) {
            return &category;
        }
    }
    return nullptr;
}

Real LeastValue(const UnitCategory& category, int unit) {
    if (category.leastByUnit.empty()) {
        return category.least;
    }
    return category.leastByUnit[static_cast<std::size_t>(unit - 1)];
}

Real ConversionFactor(const UnitCategory& category, int a, int b) {
    return category.Unit(a).size / category.Unit(b).size;
}

}  // namespace kalvo
