#pragma once

#include <string>
#include <vector>

#include "engine/real.h"
#include "plot/point_evaluator.h"
#include "plot/sample_axis.h"
#include "plot/sampling_pace.h"

namespace kalvo {

class CalculatorSession;

struct CurvePoint {
    Real x = 0;
    Real y = 0;
};

/// The points of an f(X) curve; when `failed`, the sampling stopped at the point that
/// `failure` describes and `points` holds the points before it (to be discarded).
struct CurveSamples {
    std::vector<CurvePoint> points;
    bool failed = false;
    SampleFailure failure;
};

/// Samples the input text as f(X) at the points of `x`, with the real engine: X holds
/// each point in turn while the text is evaluated. The first failing point ends the
/// sampling. A break request left from before is cleared first.
///
///   CurveSamples c = SampleCurve(session, "sin(X)", {0, 3.14159L, 201});
CurveSamples SampleCurve(CalculatorSession& session, const std::string& text, const SampleAxis& x,
                         const SamplingHooks& hooks = {});

/// The polar samples: angles in degrees and the radius at each. The engine's X holds the
/// angle in radians while the text is evaluated, whatever the angle unit. A failing point
/// keeps the value the engine returned and sampling goes on; only a confirmed break
/// stops it (`stopped`, with `failure` holding error 22).
struct PolarSamples {
    std::vector<Real> angles;
    std::vector<Real> radii;
    bool stopped = false;
    SampleFailure failure;
};

PolarSamples SamplePolar(CalculatorSession& session, const std::string& text,
                         const SampleAxis& degrees, const SamplingHooks& hooks = {});

}  // namespace kalvo
