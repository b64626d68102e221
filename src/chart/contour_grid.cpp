#include "chart/contour_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvo {

namespace {

constexpr double kJoinTolerance = 1e-5;

// The smallest non-zero |v[k+1] - v[k]|, or infinity when there is none.
double SmallestStep(const std::vector<double>& v) {
    double smallest = std::numeric_limits<double>::infinity();
    for (std::size_t k = 1; k < v.size(); ++k) {
        const double step = std::fabs(v[k] - v[k - 1]);
        if (step > 0 && step < smallest) {
            smallest = step;
        }
    }
    return smallest;
}

}  // namespace

double JoinTolerance(const std::vector<double>& x, const std::vector<double>& y) {
    const double step = std::min(SmallestStep(x), SmallestStep(y));
    const double tolerance = std::min(kJoinTolerance, 1e-4 * step);
    // A step near the bottom of the double range must not make the tolerance 0, which
    // would keep every degenerate segment and join nothing.
    return std::max(tolerance, std::numeric_limits<double>::min());
}

}  // namespace kalvo
