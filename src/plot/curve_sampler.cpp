#include "plot/curve_sampler.h"

#include <cmath>

#include "frontend/calculator_session.h"

namespace kalvo {

namespace {

int CurvePercent(int point, int count) {
    return static_cast<int>(std::lround(point * 100.0 / (count + 1)));
}

}  // namespace

CurveSamples SampleCurve(CalculatorSession& session, const std::string& text, const SampleAxis& x,
                         const SamplingHooks& hooks) {
    CurveSamples samples;
    session.State().breakRequested = false;
    PointEvaluator point(session, text, PointEvaluator::Mode::kReal);
    SamplingPace pace(session.GetEngine(), hooks);
    samples.points.reserve(static_cast<std::size_t>(std::max(x.count, 0)));
    point.SetX(x.from);
    for (int i = 1; i <= x.count; ++i) {
        if (!pace.Continue(CurvePercent(i, x.count))) {
            samples.failed = true;
            samples.failure = {session.State().errorCode, 0, 0, {}};
            session.State().errorFlag = false;
            break;
        }
        const Real current = session.State().Var(kSlotX);
        const Real y = point.Evaluate(samples.failed, &samples.failure);
        if (samples.failed) {
            break;
        }
        samples.points.push_back({current, y});
        point.SetX(x.At(i));
    }
    return samples;
}

PolarSamples SamplePolar(CalculatorSession& session, const std::string& text,
                         const SampleAxis& degrees, const SamplingHooks& hooks) {
    PolarSamples samples;
    session.State().breakRequested = false;
    PointEvaluator point(session, text, PointEvaluator::Mode::kReal);
    SamplingPace pace(session.GetEngine(), hooks);
    const auto count = static_cast<std::size_t>(std::max(degrees.count, 0));
    samples.angles.reserve(count);
    samples.radii.reserve(count);
    for (int b = 0; b < degrees.count; ++b) {
        if (!pace.Continue(CurvePercent(b + 1, degrees.count))) {
            samples.stopped = true;
            samples.failure = {session.State().errorCode, 0, 0, {}};
            session.State().errorFlag = false;
            break;
        }
        const Real angle = degrees.At(b);
        point.SetX(angle * kPi / 180);
        bool failed = false;
        const Real r = point.Evaluate(failed, nullptr);
        samples.angles.push_back(angle);
        samples.radii.push_back(r);
    }
    return samples;
}

}  // namespace kalvo
