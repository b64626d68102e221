// Speed of the matrix kernels on one fixed well-conditioned 100 × 100 matrix, next to a
// straightforward long-double Gauss-Jordan over separately allocated rows (the baseline
// the kernels are measured against on the same machine).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "matrix/gauss_jordan.h"
#include "matrix/real_matrix.h"

namespace {

using kalvo::Real;

constexpr int kSize = 100;

/// Entries uniform in [-1, 1) from a fixed linear congruential sequence, plus 20 on the
/// diagonal: far from singular, but not so dominant that no pivot search is needed.
const kalvo::RealArray& FixedMatrix() {
    static const kalvo::RealArray matrix = [] {
        kalvo::RealArray a(kSize, kSize);
        std::uint64_t state = 88172645463325252ULL;
        for (int i = 0; i < kSize; ++i) {
            for (int j = 0; j < kSize; ++j) {
                state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                a[i][j] = static_cast<Real>(state >> 11) / 4503599627370496.0L - 1;
                if (i == j) {
                    a[i][j] += 20;
                }
            }
        }
        return a;
    }();
    return matrix;
}

std::vector<Real> FixedRightHandSide() {
    std::vector<Real> b(kSize);
    for (int i = 0; i < kSize; ++i) {
        b[static_cast<std::size_t>(i)] = static_cast<Real>(i % 7) - 3;
    }
    return b;
}

// The baseline: rows allocated one by one, textbook Gauss-Jordan with partial pivoting
// over the whole augmented rows.
using Rows = std::vector<std::unique_ptr<Real[]>>;

Rows AugmentedRows(const kalvo::RealArray& a, int extra) {
    Rows rows(static_cast<std::size_t>(a.rows));
    for (int i = 0; i < a.rows; ++i) {
        auto& row = rows[static_cast<std::size_t>(i)];
        row = std::make_unique<Real[]>(static_cast<std::size_t>(a.cols + extra));
        for (int j = 0; j < a.cols; ++j) {
            row[j] = a[i][j];
        }
    }
    return rows;
}

bool BaselineGaussJordan(Rows& rows, int n, int width) {
    for (int i = 0; i < n; ++i) {
        int best = i;
        for (int k = i + 1; k < n; ++k) {
            if (std::fabs(rows[k][i]) > std::fabs(rows[best][i])) {
                best = k;
            }
        }
        if (rows[best][i] == 0) {
            return false;
        }
        std::swap(rows[i], rows[best]);
        const Real pivot = rows[i][i];
        for (int c = 0; c < width; ++c) {
            rows[i][c] /= pivot;
        }
        for (int r = 0; r < n; ++r) {
            if (r == i) {
                continue;
            }
            const Real factor = rows[r][i];
            for (int c = 0; c < width; ++c) {
                rows[r][c] -= factor * rows[i][c];
            }
        }
    }
    return true;
}

void BM_BaselineInverse100(benchmark::State& state) {
    const kalvo::RealArray& a = FixedMatrix();
    for (auto _ : state) {
        Rows rows = AugmentedRows(a, kSize);
        for (int i = 0; i < kSize; ++i) {
            rows[static_cast<std::size_t>(i)][kSize + i] = 1;
        }
        benchmark::DoNotOptimize(BaselineGaussJordan(rows, kSize, 2 * kSize));
        benchmark::DoNotOptimize(rows[0][kSize]);
    }
}

void BM_BaselineSolve100(benchmark::State& state) {
    const kalvo::RealArray& a = FixedMatrix();
    const std::vector<Real> b = FixedRightHandSide();
    for (auto _ : state) {
        Rows rows = AugmentedRows(a, 1);
        for (int i = 0; i < kSize; ++i) {
            rows[static_cast<std::size_t>(i)][kSize] = b[static_cast<std::size_t>(i)];
        }
        benchmark::DoNotOptimize(BaselineGaussJordan(rows, kSize, kSize + 1));
        benchmark::DoNotOptimize(rows[0][kSize]);
    }
}

void BM_BaselineDet100(benchmark::State& state) {
    const kalvo::RealArray& a = FixedMatrix();
    Rows rows = AugmentedRows(a, 0);
    for (auto _ : state) {
        for (int i = 0; i < kSize; ++i) {
            for (int j = 0; j < kSize; ++j) {
                rows[static_cast<std::size_t>(i)][j] = a[i][j];
            }
        }
        // Forward elimination with partial pivoting; the determinant is the product of
        // the pivots with the sign of the exchanges.
        Real det = 1;
        for (int i = 0; i < kSize && det != 0; ++i) {
            int best = i;
            for (int k = i + 1; k < kSize; ++k) {
                if (std::fabs(rows[k][i]) > std::fabs(rows[best][i])) {
                    best = k;
                }
            }
            if (best != i) {
                std::swap(rows[i], rows[best]);
                det = -det;
            }
            const Real pivot = rows[i][i];
            det *= pivot;
            if (pivot == 0) {
                break;
            }
            for (int r = i + 1; r < kSize; ++r) {
                const Real factor = rows[r][i] / pivot;
                for (int c = i + 1; c < kSize; ++c) {
                    rows[r][c] -= factor * rows[i][c];
                }
            }
        }
        benchmark::DoNotOptimize(det);
    }
}

void BM_MatrixInverse100(benchmark::State& state) {
    const kalvo::TRealMatrix a(FixedMatrix());
    for (auto _ : state) {
        auto inverse = a.Inverted();
        benchmark::DoNotOptimize(inverse.get());
    }
}

void BM_MatrixDet100(benchmark::State& state) {
    const kalvo::RealArray& a = FixedMatrix();
    kalvo::RealArray work;
    for (auto _ : state) {
        work = a;
        benchmark::DoNotOptimize(kalvo::DeterminantGauss(work, 0, kSize - 1));
    }
}

void BM_MatrixSolve100(benchmark::State& state) {
    const kalvo::RealArray& a = FixedMatrix();
    const std::vector<Real> b = FixedRightHandSide();
    std::vector<Real> x;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvo::SolveGaussJordan(a, b, 0, kSize - 1, x));
        benchmark::DoNotOptimize(x.data());
    }
}

}  // namespace

BENCHMARK(BM_BaselineInverse100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatrixInverse100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineDet100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatrixDet100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineSolve100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatrixSolve100)->Unit(benchmark::kMillisecond);
