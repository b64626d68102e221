#include "units/unit_conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "display/format_real.h"

namespace kalvo {

namespace {

enum TemperatureUnit { kCelsium = 1, kFarhenheit, kKelvin, kRankine, kReaumur };

Real CtoF(Real c) {
    return (c + 40) * 1.8L - 40;
}

Real FtoC(Real f) {
    return (f + 40) * kFiveNinths - 40;
}

// Each source unit has its own steps, so that the results are those of the direct formulas
// and not of a round trip through Celsius.
std::array<Real, 5> ConvertTemperature(int from, Real v) {
    switch (from) {
        case kCelsium:
            return {v, CtoF(v), v + 273.15L, (v + 273.15L) * 1.8L, v * 0.8L};
        case kFarhenheit: {
            const Real c = FtoC(v);
            return {c, v, c + 273.15L, (c + 273.15L) * 1.8L, c * 0.8L};
        }
        case kKelvin: {
            const Real c = v - 273.15L;
            return {c, CtoF(c), v, v * 1.8L, c * 0.8L};
        }
        case kRankine: {
            const Real c = v * kFiveNinths - 273.15L;
            return {c, CtoF(c), v * kFiveNinths, v, c * 0.8L};
        }
        default: {  // Reaumur
            const Real c = v * 1.25L;
            return {c, CtoF(c), c + 273.15L, (c + 273.15L) * 1.8L, v};
        }
    }
}

}  // namespace

std::vector<Real> ConvertUnits(const UnitCategory& category, int from, Real value) {
    if (!category.HasUnit(from)) {
        return {};
    }
    if (!category.Linear()) {
        const std::array<Real, 5> values = ConvertTemperature(from, value);
        return {values.begin(), values.end()};
    }
    std::vector<Real> values(static_cast<std::size_t>(category.Count()));
    for (int b = 1; b <= category.Count(); ++b) {
        values[static_cast<std::size_t>(b - 1)] =
            b == from ? value : value * ConversionFactor(category, from, b);
    }
    return values;
}

Real GreatestValue(const UnitCategory& category, int unit) {
    constexpr Real kMax = std::numeric_limits<Real>::max();
    // Every conversion is a straight line; its steepest slope decides. The slopes are
    // measured over a span so wide that the formulas' offsets do not blur them.
    constexpr Real kSpan = 1e30L;
    const std::vector<Real> low = ConvertUnits(category, unit, 0);
    const std::vector<Real> high = ConvertUnits(category, unit, kSpan);
    Real steepest = 1;
    for (std::size_t b = 0; b < low.size(); ++b) {
        steepest = std::max(steepest, std::fabs(high[b] - low[b]) / kSpan);
    }
    // The margin covers the rounding of this quotient and of the conversion's own steps.
    constexpr Real kMargin = 1 - 16 * std::numeric_limits<Real>::epsilon();
    return kMax / steepest * kMargin;
}

bool AcceptsValue(const UnitCategory& category, int unit, Real value) {
    return value >= LeastValue(category, unit) && value <= GreatestValue(category, unit);
}

DisplaySettings ConversionDisplay(const DisplaySettings& main) {
    DisplaySettings shown = main;
    shown.base = kDec;
    if (shown.notation == kSxg) {
        shown.notation = kScn;
    }
    return shown;
}

std::vector<std::string> ConversionTexts(const UnitCategory& category, int from, Real value,
                                         const DisplaySettings& main, int digits) {
    const DisplaySettings display = ConversionDisplay(main);
    const std::vector<Real> values = ConvertUnits(category, from, value);
    std::vector<std::string> texts(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (static_cast<int>(i) + 1 == from) {
            continue;
        }
        std::string text = FormatReal(display, digits, values[i]);
        const std::size_t first = text.find_first_not_of(' ');
        const std::size_t last = text.find_last_not_of(' ');
        texts[i] =
            first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    }
    return texts;
}

}  // namespace kalvo
