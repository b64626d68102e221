#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "chart/contour_grid.h"
#include "chart/contour_line.h"
#include "chart/segment_sink.h"

namespace kalvo {

/// Corner values of one cell in the order c1 = (x[i], y[j]), c2 = (x[i+1], y[j]),
/// c3 = (x[i+1], y[j+1]), c4 = (x[i], y[j+1]).
using CellValues = std::array<double, 4>;

/// Fills missing corners (exactly +-1234321) from the present ones: a single missing corner
/// gets the mean of its two neighbours in the cell, three missing corners the value of the
/// fourth, and two missing corners z3, z4 or z2, z3 the values across the cell. The rules
/// are applied one after another; other patterns stay as they are.
CellValues PatchCell(CellValues z);

/// Whether a cell with these (patched) values is left empty: a value of 1234321 or more in
/// magnitude remains.
bool CellIsEmpty(const CellValues& z);

/// The segment that `level` cuts from the triangle a, b, c with the values ha, hb, hc, if
/// any: an edge that lies on the level, else the crossing points of the last two sides
/// (a-b, b-c, c-a) the level crosses, the later one first. When those two points coincide
/// within the tolerance (the level passes through the vertex they share) the later one is
/// paired with the latest earlier crossing point that does not coincide with it.
std::optional<ContourSegment> TriangleSegment(const ContourPoint& a, const ContourPoint& b,
                                              const ContourPoint& c, double ha, double hb,
                                              double hc, double level, double tolerance);

/// Traces levels over a grid cell by cell: for j = 1 … ny-1 (outer), i = 1 … nx-1, each
/// cell is patched, skipped when empty, and cut at its centre into four triangles
/// (c1, c2, centre), (c2, c3, centre), (c3, c4, centre), (c4, c1, centre); every segment goes
/// to the sink with the cell's squared gradient gx^2 + gy^2. The grid must outlive the tracer.
class ContourTracer {
  public:
    /// Prepares the walk for these levels: per level, the cells whose values reach it.
    ContourTracer(const ContourGrid& grid, double tolerance, const std::vector<double>& levels);

    /// Traces levels[k].
    void TraceLevel(std::size_t k, SegmentSink& sink) const;

    /// The least and greatest patched c1 value of the cells that are not empty, which the walk
    /// over the cells meets; nothing when every cell is empty.
    std::optional<std::pair<double, double>> WalkExtremes() const { return m_walkExtremes; }

  private:
    void TraceCell(std::size_t i, std::size_t j, double level, SegmentSink& sink) const;

    const ContourGrid& m_grid;
    double m_tolerance;
    std::vector<double> m_levels;
    // Cells (by the index of their corner c1) in walk order whose corner and centre values
    // span the level, per distinct level: no other cell can give a segment. Levels share a
    // list when they are equal.
    struct Cell {
        std::uint32_t i;
        std::uint32_t j;
    };
    std::vector<std::vector<Cell>> m_cells;
    std::vector<std::size_t> m_listOfLevel;
    std::optional<std::pair<double, double>> m_walkExtremes;
};

}  // namespace kalvo
