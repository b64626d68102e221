#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "chart/contour_grid.h"
#include "chart/contour_line.h"

namespace kalvo::test {

/// A grid of f over nx points from x0 to x1 and ny points from y0 to y1.
inline ContourGrid SampleGrid(const std::function<double(double, double)>& f, double x0, double x1,
                              int nx, double y0, double y1, int ny) {
    ContourGrid grid;
    for (int i = 0; i < nx; ++i) {
        grid.x.push_back(x0 + i * (x1 - x0) / (nx - 1));
    }
    for (int j = 0; j < ny; ++j) {
        grid.y.push_back(y0 + j * (y1 - y0) / (ny - 1));
    }
    for (double x : grid.x) {
        for (double y : grid.y) {
            grid.z.push_back(f(x, y));
        }
    }
    return grid;
}

inline bool SameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

/// Same lines in the same order with bit-for-bit the same points.
inline void ExpectSameLines(const std::vector<ContourLine>& actual,
                            const std::vector<ContourLine>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < actual.size(); ++k) {
        SCOPED_TRACE("line " + std::to_string(k));
        EXPECT_TRUE(SameNumber(actual[k].level, expected[k].level));
        ASSERT_EQ(actual[k].points, expected[k].points);
        EXPECT_EQ(actual[k].anchor, expected[k].anchor);
        EXPECT_TRUE(SameNumber(actual[k].gradient, expected[k].gradient));
    }
}

inline double Distance(const ContourPoint& a, const ContourPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

}  // namespace kalvo::test
