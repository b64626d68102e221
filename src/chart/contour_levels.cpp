#include "chart/contour_levels.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "chart/contour_grid.h"
#include "display/format_general.h"
#include "frontend/decimal_text.h"

namespace kalvo {

namespace {

constexpr int kLevelDigits = 12;
constexpr int kShortLabelDigits = 6;

bool IsMissing(double value) {
    return value == kMissingValue || value == -kMissingValue;
}

}  // namespace

double ZMinimum(const std::vector<double>& z) {
    double minimum = 1e38;
    for (double value : z) {
        if (value < minimum && !IsMissing(value)) {
            minimum = value;
        }
    }
    return minimum;
}

double ZMaximum(const std::vector<double>& z) {
    double maximum = -1e38;
    for (double value : z) {
        if (value > maximum && !IsMissing(value)) {
            maximum = value;
        }
    }
    return maximum;
}

std::vector<double> AutomaticLevels(double computedMinimum, double computedMaximum, double a,
                                    double b, int n) {
    std::vector<double> levels;
    if (std::fabs(computedMinimum - computedMaximum) < 1e-50 || n < 1) {
        return levels;
    }
    n = std::min(n, kMaxAutomaticLevels);
    const double step = n == 1 ? (b - a) * 0.5 : (b - a) / n;
    levels.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        levels.push_back(a + k * step);
    }
    return levels;
}

double RoundLevel(double level) {
    if (!std::isfinite(level)) {
        return level;
    }
    const std::string text = LevelText(level);
    double rounded = level;
    // The general form is a valid decimal for from_chars; 'E' is accepted as the exponent.
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string LevelText(double level) {
    return FormatGeneral(static_cast<Real>(level), kLevelDigits);
}

std::optional<double> ReadLevelText(std::string_view text) {
    Real value = 0;
    if (!ReadDecimalReal(text, value) || std::fabs(value) > std::numeric_limits<double>::max()) {
        return std::nullopt;
    }
    return static_cast<double>(value);
}

int LabelDigits(std::vector<double> levels) {
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    for (int digits = kShortLabelDigits; digits < kLevelDigits; ++digits) {
        bool distinct = true;
        for (std::size_t k = 1; k < levels.size() && distinct; ++k) {
            distinct = LabelText(levels[k - 1], digits) != LabelText(levels[k], digits);
        }
        if (distinct) {
            return digits;
        }
    }
    return kLevelDigits;
}

std::string LabelText(double level, int digits) {
    return FormatGeneral(static_cast<Real>(level), digits);
}

}  // namespace kalvo
