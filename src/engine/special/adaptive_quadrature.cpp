#include "engine/special/adaptive_quadrature.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/special/standard_text.h"

namespace kalvo {

namespace {

enum class CompositeEnd { kDone, kStopped, kError };

// The last composite rule tried has 2^(kMaxPasses - 1) subintervals; an integrand whose
// estimates have not settled by then is not integrable (or only so slowly that the answer
// would never come).
constexpr int kMaxPasses = 17;

// The composite rule with count subintervals; sum receives the estimate and absSum the
// same rule applied to |f|.
CompositeEnd Composite(Integrand f, Real p, Real q, Real upper, Real lower, std::int64_t count,
                       BreakPoll& poll, int& error, Real& sum, Real& absSum) {
    Real h = (upper - lower) / static_cast<Real>(2 * count);
    sum = 0;
    absSum = 0;
    for (std::int64_t i = 1; i <= count; ++i) {
        Real c = lower + static_cast<Real>(2 * i - 1) * h;
        Real part = 0;
        Real absPart = 0;
        for (int k = 0; k < kGaussPairs; ++k) {
            Real right = f(c + h * kGaussNodes[k], p, q, error);
            Real left = f(c - h * kGaussNodes[k], p, q, error);
            part += kGaussWeights[k] * (right + left);
            absPart += kGaussWeights[k] * (std::fabs(right) + std::fabs(left));
        }
        sum = Checked(sum + h * part);
        absSum = Checked(absSum + std::fabs(h) * absPart);
        if (error >= 0) {
            return CompositeEnd::kError;
        }
        if (poll.PollBreak()) {
            sum = 0;
            return CompositeEnd::kStopped;
        }
    }
    return CompositeEnd::kDone;
}

}  // namespace

Real AdaptiveQuadrature(Integrand f, Real p, Real q, Real upper, Real lower, int precision,
                        BreakPoll& poll, bool& stopped, int& error) {
    stopped = false;
    error = -1;
    std::size_t compared = precision > 0 ? static_cast<std::size_t>(precision) : 0;
    // The compared characters hold precision - 2 significant digits; estimates closer than
    // that share of the integral of |f| agree as well, which settles integrals worth 0,
    // whose estimates are rounding noise with texts that never agree.
    const Real share = std::pow(10.0L, -static_cast<Real>(std::max(precision - 2, 0)));
    std::string previous;
    Real previousValue = 0;
    bool hasPrevious = false;
    std::int64_t count = 1;
    for (int pass = 1;; ++pass, count *= 2) {
        Real value = 0;
        Real absValue = 0;
        switch (Composite(f, p, q, upper, lower, count, poll, error, value, absValue)) {
            case CompositeEnd::kStopped:
                stopped = true;
                return 0;
            case CompositeEnd::kError:
                return 0;
            case CompositeEnd::kDone:
                break;
        }
        std::string text = StandardRealText(value).substr(0, compared);
        if (hasPrevious &&
            (text == previous || std::fabs(value - previousValue) <= share * absValue)) {
            return value;
        }
        if (pass == kMaxPasses) {
            error = kErrSingularity;
            return 0;
        }
        previous = std::move(text);
        previousValue = value;
        hasPrevious = true;
    }
}

QuadratureValue Integrate(Integrand f, Real p, Real q, Real upper, Real lower, int precision,
                          BreakPoll& poll) {
    QuadratureValue integral;
    integral.value = AdaptiveQuadrature(f, p, q, upper, lower, precision, poll, integral.stopped,
                                        integral.error);
    return integral;
}

SpecialResult QuadratureResult(const QuadratureValue& integral, Real value) {
    SpecialResult result;
    result.stopped = integral.stopped;
    result.error = integral.error;
    if (!integral.stopped && integral.error < 0) {
        result.value = Checked(value);
    }
    return result;
}

}  // namespace kalvo
