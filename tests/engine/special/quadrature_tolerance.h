#pragma once

// Tolerances of the functions computed by AdaptiveQuadrature.
//
// The quadrature stops when the first `precision` characters of the texts of two
// successive estimates agree: a sign and precision - 2 significant digits, so at the default
// precision 9 the last doubling changed the estimate by less than one unit in the 7th digit,
// at most 1e-6 relative. Every integrand here is integrable with a bounded or t^a (a >= 0)
// endpoint behaviour, so the error of the composite rule at least halves per doubling and the
// remaining error is at most that last change.
//
// With an analytic integrand the error falls by about 2^20 per doubling once the rule
// resolves it; at precision 15 (13 digits) such rows are held to 1e-12, which checks the
// integral representations themselves far below the 7-digit default.

namespace kalvo {

inline constexpr int kDefaultPrecision = 9;
inline constexpr long double kDefaultPrecisionTolerance = 1e-6L;
inline constexpr int kFinePrecision = 15;
inline constexpr long double kFinePrecisionTolerance = 1e-12L;

}  // namespace kalvo
