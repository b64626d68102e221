// Evaluation speed of the engine. Every iteration is one evaluation at the next point
// X_k = k*100/(N-1), k cycling over 0..N-1, so the time per iteration is the time per
// evaluation; the engine reads the text again each time, as it does in the calculator.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "display/format_real.h"
#include "engine/engine.h"
#include "engine/engine_host.h"

namespace {

using kalvo::Real;

constexpr long kPoints = 1000000;

Real PointAt(long k) {
    return static_cast<Real>(k) * 100 / (kPoints - 1);
}

void RunExpression(benchmark::State& state, const std::string& text) {
    kalvo::SilentHost host;
    kalvo::Engine engine(host);
    engine.State().angleUnit = 0;
    engine.State().digitSet = ".0123456789";
    long k = 0;
    for (auto _ : state) {
        engine.State().Var(kalvo::kSlotX) = PointAt(k);
        engine.State().argDepth = 0;
        engine.State().usedNames.clear();
        engine.State().usedValues.clear();
        Real value = engine.Evaluate(text);
        benchmark::DoNotOptimize(value);
        if (engine.State().errorFlag) {
            state.SkipWithError("evaluation failed");
            break;
        }
        k = (k + 1) % kPoints;
    }
}

void BM_E1(benchmark::State& state) {
    RunExpression(state, "sin(X)*exp(-X/10)+X^2/3");
}
void BM_E1b(benchmark::State& state) {
    RunExpression(state, "sqrt(abs(X))+ln(1+X^2)-cos(X)^3");
}
void BM_E1c(benchmark::State& state) {
    RunExpression(state, "(((X+1)*(X-1))/(X*X+1))");
}
void BM_I1(benchmark::State& state) {
    RunExpression(state, "integral(0,pi,sin(X))");
}
void BM_P1(benchmark::State& state) {
    RunExpression(state, "Jn(2.5,10)");
}

// The same expressions compiled as long-double lambdas: the floor that parsing adds to.
template <typename F>
void RunCompiled(benchmark::State& state, F f) {
    long k = 0;
    for (auto _ : state) {
        Real x = PointAt(k);
        benchmark::DoNotOptimize(x);
        Real value = f(x);
        benchmark::DoNotOptimize(value);
        k = (k + 1) % kPoints;
    }
}

void BM_E1_Compiled(benchmark::State& state) {
    RunCompiled(state,
                [](Real x) { return std::sin(x) * std::exp(-x / 10) + std::pow(x, 2.0L) / 3; });
}
void BM_E1c_Compiled(benchmark::State& state) {
    RunCompiled(state, [](Real x) { return ((x + 1) * (x - 1)) / (x * x + 1); });
}

void BM_FormatReal(benchmark::State& state) {
    kalvo::DisplaySettings settings;
    long k = 0;
    for (auto _ : state) {
        std::string text = kalvo::FormatReal(settings, 12, std::sin(PointAt(k)) * 1e5L);
        benchmark::DoNotOptimize(text);
        k = (k + 1) % kPoints;
    }
}

}  // namespace

BENCHMARK(BM_E1);
BENCHMARK(BM_E1_Compiled);
BENCHMARK(BM_E1b);
BENCHMARK(BM_E1c);
BENCHMARK(BM_E1c_Compiled);
BENCHMARK(BM_FormatReal);
BENCHMARK(BM_I1);
BENCHMARK(BM_P1);

BENCHMARK_MAIN();
