// Speed of the contour layer: one full build (levels, tracing, joining, labels) per
// iteration over a precomputed 200 x 200 grid of z = sin(x) cos(y) + x y / 50 on
// [-10, 10]^2 with 20 automatic levels.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "chart/contour_layer.h"

namespace {

void BM_Contour_200x200x20(benchmark::State& state) {
    constexpr int kSide = 200;
    std::vector<double> x(kSide);
    for (int i = 0; i < kSide; ++i) {
        x[i] = -10 + i * 20.0 / (kSide - 1);
    }
    const std::vector<double> y = x;
    std::vector<double> z(kSide * kSide);
    for (int i = 0; i < kSide; ++i) {
        for (int j = 0; j < kSide; ++j) {
            z[i * kSide + j] = std::sin(x[i]) * std::cos(y[j]) + x[i] * y[j] / 50;
        }
    }
    std::size_t lines = 0;
    std::size_t points = 0;
    for (auto _ : state) {
        auto layer = kalvo::TContour::Create(false, 20, z, y, x);
        lines = layer->Lines().size();
        points = 0;
        for (const auto& line : layer->Lines()) {
            points += line.points.size();
        }
        benchmark::DoNotOptimize(layer);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["points"] = static_cast<double>(points);
}

}  // namespace

BENCHMARK(BM_Contour_200x200x20)->Unit(benchmark::kMillisecond);
