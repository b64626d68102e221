#include "plot/surface_view.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>

namespace kalvo {

namespace {

constexpr double kTopElevation = 90;

/// The positions along one direction: the labels' numbers when they all are numbers and
/// increase strictly, else 1, 2, 3, ….
template <typename Label>
std::vector<double> Positions(int count, Label label, bool& fromLabels) {
    std::vector<double> positions;
    positions.reserve(static_cast<std::size_t>(count));
    fromLabels = true;
    for (int i = 0; i < count && fromLabels; ++i) {
        std::optional<double> value;
        fromLabels = ReadCellValue(label(i), value) && value &&
                     (positions.empty() || *value > positions.back());
        if (fromLabels) {
            positions.push_back(*value);
        }
    }
    if (!fromLabels) {
        positions.clear();
        for (int i = 0; i < count; ++i) {
            positions.push_back(i + 1.0);
        }
    }
    return positions;
}

constexpr int kLeastSegments = 2;
constexpr int kMostSegments = 10;
constexpr int kMostDigits = 12;
constexpr std::array<double, 4> kNiceMantissas{1, 2, 2.5, 5};

/// The step's leading digits as a number in [1, 10).
double Mantissa(double step) {
    return step / std::pow(10.0, std::floor(std::log10(step)));
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

/// 0 for a nice step, else the number of significant digits it needs (at most 12).
int StepCost(double step) {
    const double mantissa = Mantissa(step);
    for (double nice : kNiceMantissas) {
        if (Near(mantissa, nice)) {
            return 0;
        }
    }
    double scaled = mantissa;
    for (int digits = 1; digits < kMostDigits; ++digits, scaled *= 10) {
        if (Near(scaled, std::round(scaled))) {
            return digits;
        }
    }
    return kMostDigits;
}

/// An empty or inverted range widened around its value, so that an axis can span it.
std::pair<double, double> Widened(double least, double greatest) {
    if (greatest > least) {
        return {least, greatest};
    }
    const double half = least == 0 ? 1 : std::fabs(least) / 10;
    return {least - half, least + half};
}

}  // namespace

AxisScale NiceScale(double least, double greatest) {
    std::tie(least, greatest) = Widened(least, greatest);
    const double raw = (greatest - least) / 5;
    if (!std::isfinite(raw) || raw <= 0) {
        return {least, greatest, 5};  // beyond what steps can describe
    }
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0, 20.0}) {
        const double step = factor * magnitude;
        if (step < raw * (1 - 1e-12)) {
            continue;
        }
        const double from = std::floor(least / step + 1e-9) * step;
        const double to = std::ceil(greatest / step - 1e-9) * step;
        const int segments = static_cast<int>(std::lround((to - from) / step));
        if (segments <= kMostSegments) {
            return {from, to, std::max(segments, kLeastSegments)};
        }
    }
    return {least, greatest, 5};
}

AxisScale ExactScale(double from, double to) {
    std::tie(from, to) = Widened(from, to);
    AxisScale best{from, to, 5};
    int bestCost = kMostDigits + 1;
    // About five steps reads best: the counts are tried nearest to five first.
    for (int segments : {5, 4, 6, 3, 7, 8, 2, 9, 10}) {
        const int cost = StepCost((to - from) / segments);
        if (cost < bestCost) {
            bestCost = cost;
            best.segments = segments;
        }
    }
    return best;
}

double RotateDown(double elevation) {
    return elevation + kRotationStep > kTopElevation ? 0 : elevation + kRotationStep;
}

double RotateUp(double elevation) {
    return elevation - kRotationStep >= 0 ? elevation - kRotationStep : kTopElevation;
}

SurfaceLayout LayOutSurface(const DataGrid& grid) {
    SurfaceLayout layout;
    layout.x = Positions(
        grid.RowCount(), [&grid](int i) { return grid.RowLabel(i); }, layout.xFromLabels);
    layout.depth = Positions(
        grid.ColumnCount(), [&grid](int i) { return grid.ColumnLabel(i); }, layout.depthFromLabels);
    if (!grid.ValueRange(layout.least, layout.greatest)) {
        layout.least = layout.greatest = 0;
    }
    layout.height.reserve(grid.CellCount());
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < grid.ColumnCount(); ++column) {
            layout.height.push_back(grid.Cell(row, column).value_or(layout.least));
        }
    }
    return layout;
}

}  // namespace kalvo
