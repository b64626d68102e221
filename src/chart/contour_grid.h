#pragma once

#include <cstddef>
#include <vector>

namespace kalvo {

/// A Z value of exactly this magnitude marks a missing grid point; a cell with a corner of
/// this magnitude or more (after the missing corners are patched) has no contour.
inline constexpr double kMissingValue = 1234321.0;

/// Values sampled over a grid: z[i * ny + j] is the value at (x[i], y[j]).
struct ContourGrid {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<double> z;

    std::size_t Nx() const { return x.size(); }
    std::size_t Ny() const { return y.size(); }
    double Z(std::size_t i, std::size_t j) const { return z[i * y.size() + j]; }
    /// Whether z holds exactly nx * ny values.
    bool Consistent() const { return z.size() == x.size() * y.size(); }
};

/// The distance below which two points coincide and a segment is too short to keep:
/// min(1e-5, 1e-4 * the smallest non-zero difference between neighbouring X values or
/// neighbouring Y values). A fixed 1e-5 would swallow every segment of a grid whose cells are
/// that small; grids with cells of 0.1 and more get exactly 1e-5.
double JoinTolerance(const std::vector<double>& x, const std::vector<double>& y);

}  // namespace kalvo
