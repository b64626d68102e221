#pragma once

#include <string>
#include <vector>

#include "engine/real.h"
#include "plot/point_evaluator.h"
#include "plot/sample_axis.h"
#include "plot/sampling_pace.h"

namespace kalvo {

class CalculatorSession;

/// The samples of f(X,Y) over a grid: nx X values, ny Y values and Z with nx rows of ny
/// values, Z(i, j) = f(x[i], y[j]) (0-based). When `failed`, the sampling stopped at the
/// point `failure` describes and the vectors are to be discarded.
struct GridSamples {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<double> z;  ///< row-major: z[i * ny + j]
    int nx = 0;
    int ny = 0;
    bool failed = false;
    SampleFailure failure;

    double Z(int i, int j) const { return z[static_cast<std::size_t>(i) * ny + j]; }
};

/// Samples the text over the grid of `x` (outer) and `y` (inner): X and Y hold each point
/// in turn. In complex-modulus mode each point is |f(X+Yi)| as the complex evaluator
/// computes abs(text). The first failing point ends the sampling.
GridSamples SampleGrid(CalculatorSession& session, const std::string& text, const SampleAxis& x,
                       const SampleAxis& y, PointEvaluator::Mode mode,
                       const SamplingHooks& hooks = {});

/// The samples of a surface: a grid whose failing points keep the value the engine
/// returned, with the row labels (the X values) and column labels (the Y values) in the
/// calculator's display settings at 7 digits. Only a confirmed break stops it
/// (`stopped`, with `failure` holding error 22).
struct SurfaceSamples {
    std::vector<Real> x;
    std::vector<Real> y;
    std::vector<Real> values;  ///< row-major: values[i * columns + j]
    std::vector<std::string> rowLabels;
    std::vector<std::string> columnLabels;
    int rows = 0;
    int columns = 0;
    bool stopped = false;
    SampleFailure failure;

    Real Value(int i, int j) const { return values[static_cast<std::size_t>(i) * columns + j]; }
};

SurfaceSamples SampleSurface(CalculatorSession& session, const std::string& text,
                             const SampleAxis& x, const SampleAxis& y, PointEvaluator::Mode mode,
                             const SamplingHooks& hooks = {});

/// The progress figure of a grid at 1-based point (i, j) of an n × m grid.
int GridPercent(int i, int j, int n, int m);

}  // namespace kalvo
