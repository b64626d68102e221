#pragma once

#include "engine/real.h"
#include "engine/special/break_poll.h"
#include "engine/special/special_result.h"

namespace kalvo {

/// An integrand f(t, p, q). A point without a real value sets error to an engine error
/// code (and returns 0); the quadrature then stops.
using Integrand = Real (*)(Real t, Real p, Real q, int& error);

/// Node pairs (positive abscissas) and weights of the 10-point Gauss-Legendre rule on [-1, 1].
inline constexpr int kGaussPairs = 5;
inline constexpr Real kGaussNodes[kGaussPairs] = {0.14887433898163122L, 0.4333953941292472L,
                                                  0.6794095682990244L, 0.8650633666889845L,
                                                  0.9739065285171717L};
inline constexpr Real kGaussWeights[kGaussPairs] = {0.29552422471475287L, 0.26926671930999635L,
                                                    0.21908636251598204L, 0.1494513491505806L,
                                                    0.06667134430868814L};

/// Integrates f(t, p, q) from lower to upper (note the argument order) with the composite
/// 10-point Gauss-Legendre rule on 1, 2, 4, 8, ... equal subintervals, until the first
/// `precision` characters of the standard texts of two successive estimates agree, or the
/// estimates differ by less than 10^-(precision - 2) of the same rule applied to |f|.
/// Polls for a break after every subinterval: on a break the result is 0 and stopped is set.
/// An integrand error ends the quadrature with error set (result 0); error is -1 otherwise.
/// A divergent or non-integrable integrand ends after 2^16 subintervals with error 12
/// ("Function singularity").
Real AdaptiveQuadrature(Integrand f, Real p, Real q, Real upper, Real lower, int precision,
                        BreakPoll& poll, bool& stopped, int& error);

/// An integral together with how its quadrature ended.
struct QuadratureValue {
    Real value = 0;
    bool stopped = false;
    int error = -1;
};

/// AdaptiveQuadrature with its outcome in one value.
QuadratureValue Integrate(Integrand f, Real p, Real q, Real upper, Real lower, int precision,
                          BreakPoll& poll);

/// The result of a special function computed from integral: value (checked to be finite)
/// when the quadrature ran to its end, else the break or the error that ended it.
SpecialResult QuadratureResult(const QuadratureValue& integral, Real value);

}  // namespace kalvo
