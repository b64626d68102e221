#include "plot/polar_view.h"

#include <array>
#include <cmath>

#include "display/format_general.h"

namespace kalvo {

namespace {

constexpr double kHalfTurn = 180;
constexpr double kTurn = 360;
constexpr int kCellDigits = 15;

constexpr std::array<Rgb, 8> kCurveColors{{
    {0, 0, 255},
    {220, 0, 0},
    {0, 150, 0},
    {200, 0, 200},
    {0, 160, 160},
    {230, 120, 0},
    {110, 60, 20},
    {90, 90, 90},
}};

}  // namespace

int PolarCurveCount(const DataGrid& grid) {
    return grid.ColumnCount() / 2;
}

Rgb DefaultCurveColor(int curve) {
    return kCurveColors[static_cast<std::size_t>(curve) % kCurveColors.size()];
}

void MatchCurveStyles(PolarView& view, const DataGrid& grid) {
    const auto count = static_cast<std::size_t>(PolarCurveCount(grid));
    const std::size_t old = view.curves.size();
    view.curves.resize(count);
    for (std::size_t k = old; k < count; ++k) {
        view.curves[k] = {1, DefaultCurveColor(static_cast<int>(k))};
    }
}

bool AddPolarCurve(DataGrid& grid, PolarView& view, const PolarSamples& samples,
                   const std::string& legend) {
    const int points = static_cast<int>(std::min(samples.angles.size(), samples.radii.size()));
    const int rows = std::max(grid.RowCount(), points);
    // An odd column left by an edit is not paired with the new angle column.
    const int angleColumn = grid.ColumnCount() + grid.ColumnCount() % 2;
    if (!grid.Resize(rows, angleColumn + 2)) {
        return false;
    }
    for (int row = 0; row < points; ++row) {
        const auto i = static_cast<std::size_t>(row);
        // Cells are written as the chart's data sheet keeps them: 15 significant digits.
        grid.SetCellText(row, angleColumn, FormatGeneral(samples.angles[i], kCellDigits));
        grid.SetCellText(row, angleColumn + 1, FormatGeneral(samples.radii[i], kCellDigits));
    }
    grid.SetCurrentCell(grid.CurrentRow(), angleColumn);
    grid.SetCurrentColumnLabel(legend);
    MatchCurveStyles(view, grid);
    view.curves.back().lineWidth = 1;
    return true;
}

std::vector<PolarPoint> PolarPath(const DataGrid& grid, int curve) {
    std::vector<PolarPoint> path;
    const int angleColumn = 2 * curve;
    double turns = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
        const std::optional<double> angle = grid.Cell(row, angleColumn);
        const std::optional<double> radius = grid.Cell(row, angleColumn + 1);
        if (!angle || !radius) {
            continue;
        }
        PolarPoint point{*angle, std::fabs(*radius)};
        if (*radius < 0) {
            point.angle += kHalfTurn;
        }
        if (!path.empty() && point.angle + turns < path.back().angle) {
            turns += std::ceil((path.back().angle - point.angle - turns) / kTurn) * kTurn;
        }
        point.angle += turns;
        path.push_back(point);
    }
    return path;
}

double PolarRadiusLimit(const DataGrid& grid) {
    double limit = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 1; column < 2 * PolarCurveCount(grid); column += 2) {
            limit = std::max(limit, std::fabs(grid.Cell(row, column).value_or(0)));
        }
    }
    return limit > 0 ? limit : 1;
}

}  // namespace kalvo
