#include "engine/special/adaptive_quadrature.h"

#include <cstdint>
#include <string>

#include "engine/float_fault.h"
#include "engine/special/standard_text.h"

namespace kalvo {

namespace {

enum class CompositeEnd { kDone, kStopped, kError };

// The composite rule with count subintervals; sum receives the estimate.
CompositeEnd Composite(Integrand f, Real p, Real q, Real upper, Real lower, std::int64_t count,
                       BreakPoll& poll, int& error, Real& sum) {
    Real h = (upper - lower) / static_cast<Real>(2 * count);
    sum = 0;
    for (std::int64_t i = 1; i <= count; ++i) {
        Real c = lower + static_cast<Real>(2 * i - 1) * h;
        Real part = 0;
        for (int k = 0; k < kGaussPairs; ++k) {
            Real right = f(c + h * kGaussNodes[k], p, q, error);
            Real left = f(c - h * kGaussNodes[k], p, q, error);
            part += kGaussWeights[k] * (right + left);
        }
        sum = Checked(sum + h * part);
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
    std::string previous;
    bool hasPrevious = false;
    for (std::int64_t count = 1;; count *= 2) {
        Real value = 0;
        switch (Composite(f, p, q, upper, lower, count, poll, error, value)) {
            case CompositeEnd::kStopped:
                stopped = true;
                return 0;
            case CompositeEnd::kError:
                return 0;
            case CompositeEnd::kDone:
                break;
        }
        std::string text = StandardRealText(value).substr(0, compared);
        if (hasPrevious && text == previous) {
            return value;
        }
        previous = std::move(text);
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
