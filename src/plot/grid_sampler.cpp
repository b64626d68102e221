#include "plot/grid_sampler.h"

#include <cmath>

#include "display/format_real.h"
#include "frontend/calculator_session.h"

namespace kalvo {

namespace {

constexpr int kLabelDigits = 7;

/// Walks the grid, X outer and Y inner, calling visit(i, j, value, failed) per point
/// (0-based); stops when visit returns false or a break is confirmed (then false).
template <typename Visit>
bool WalkGrid(CalculatorSession& session, PointEvaluator& point, const SampleAxis& x,
              const SampleAxis& y, const SamplingHooks& hooks, SampleFailure& failure,
              Visit visit) {
    session.State().breakRequested = false;
    SamplingPace pace(session.GetEngine(), hooks);
    for (int i = 0; i < x.count; ++i) {
        point.SetX(x.At(i));
        for (int j = 0; j < y.count; ++j) {
            if (!pace.Continue(GridPercent(i + 1, j + 1, x.count, y.count))) {
                failure = {session.State().errorCode, 0, 0, {}};
                session.State().errorFlag = false;
                return false;
            }
            point.SetY(y.At(j));
            bool failed = false;
            const Real value = point.Evaluate(failed, &failure);
            if (!visit(i, j, value, failed)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

int GridPercent(int i, int j, int n, int m) {
    const double done = j + static_cast<double>(i - 1) * (m + 1);
    return static_cast<int>(std::lround(done * 100.0 / ((m + 1.0) * (n + 1.0))));
}

GridSamples SampleGrid(CalculatorSession& session, const std::string& text, const SampleAxis& x,
                       const SampleAxis& y, PointEvaluator::Mode mode, const SamplingHooks& hooks) {
    GridSamples samples;
    samples.nx = x.count;
    samples.ny = y.count;
    samples.x.resize(static_cast<std::size_t>(x.count));
    samples.y.resize(static_cast<std::size_t>(y.count));
    for (int i = 0; i < x.count; ++i) {
        samples.x[static_cast<std::size_t>(i)] = static_cast<double>(x.At(i));
    }
    for (int j = 0; j < y.count; ++j) {
        samples.y[static_cast<std::size_t>(j)] = static_cast<double>(y.At(j));
    }
    samples.z.resize(static_cast<std::size_t>(x.count) * static_cast<std::size_t>(y.count));
    PointEvaluator point(session, text, mode);
    const bool complete = WalkGrid(session, point, x, y, hooks, samples.failure,
                                   [&samples](int i, int j, Real value, bool failed) {
                                       samples.z[static_cast<std::size_t>(i) * samples.ny + j] =
                                           static_cast<double>(value);
                                       return !failed;
                                   });
    samples.failed = !complete;
    return samples;
}

SurfaceSamples SampleSurface(CalculatorSession& session, const std::string& text,
                             const SampleAxis& x, const SampleAxis& y, PointEvaluator::Mode mode,
                             const SamplingHooks& hooks) {
    SurfaceSamples samples;
    samples.rows = x.count;
    samples.columns = y.count;
    const DisplaySettings& display = session.State().display;
    for (int i = 0; i < x.count; ++i) {
        samples.x.push_back(x.At(i));
        samples.rowLabels.push_back(FormatReal(display, kLabelDigits, x.At(i)));
    }
    for (int j = 0; j < y.count; ++j) {
        samples.y.push_back(y.At(j));
        samples.columnLabels.push_back(FormatReal(display, kLabelDigits, y.At(j)));
    }
    samples.values.resize(static_cast<std::size_t>(x.count) * static_cast<std::size_t>(y.count));
    PointEvaluator point(session, text, mode);
    const bool complete = WalkGrid(
        session, point, x, y, hooks, samples.failure, [&samples](int i, int j, Real value, bool) {
            samples.values[static_cast<std::size_t>(i) * samples.columns + j] = value;
            return true;
        });
    samples.stopped = !complete;
    return samples;
}

}  // namespace kalvo
