// The plot samplers against the bare evaluations they make: BM_E1 × points is the floor.
#include <benchmark/benchmark.h>

#include "engine/engine_host.h"
#include "frontend/calculator_session.h"
#include "plot/curve_sampler.h"
#include "plot/grid_sampler.h"

namespace {

constexpr const char* kCurveText = "sin(X)*exp(-X/10)+X^2/3";

struct RadianSession {
    RadianSession() { session.SetAngle(0); }
    kalvo::SilentHost host;
    kalvo::CalculatorSession session{host};
};

void BM_SampleCurve16000(benchmark::State& state) {
    RadianSession s;
    for (auto _ : state) {
        kalvo::CurveSamples curve = kalvo::SampleCurve(s.session, kCurveText, {0, 100, 16000});
        benchmark::DoNotOptimize(curve.points.data());
        if (curve.failed) {
            state.SkipWithError("sampling failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 16000);
}
BENCHMARK(BM_SampleCurve16000)->Unit(benchmark::kMillisecond);

void BM_SampleGrid200(benchmark::State& state) {
    RadianSession s;
    for (auto _ : state) {
        kalvo::GridSamples grid =
            kalvo::SampleGrid(s.session, kCurveText, {0, 100, 200}, {0, 100, 200},
                              kalvo::PointEvaluator::Mode::kReal);
        benchmark::DoNotOptimize(grid.z.data());
        if (grid.failed) {
            state.SkipWithError("sampling failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 200 * 200);
}
BENCHMARK(BM_SampleGrid200)->Unit(benchmark::kMillisecond);

}  // namespace
