#include "plot/surface_view.h"

#include <optional>
#include <string>

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

}  // namespace

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
