// mean, std, sum, poly and stat over an argument list of any length.
#include <cmath>
#include <vector>

#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/function_table.h"

namespace kalvo {

namespace {

constexpr std::size_t kMaxStoredElements = 1000;

}  // namespace

Real Engine::ListFunction(int id) {
    if (m_state.currentChar != '(') {
        RaiseError(kErrMissingOpening);
        return 0;
    }
    const int savedDepth = m_state.argDepth;
    m_state.argDepth = 2;
    Real sum = 0;
    Real sumOfSquares = 0;
    Real count = 0;
    std::vector<double> stored;  // poly and stat keep their elements as doubles
    do {
        Advance();
        Real element = Expression();
        if (m_state.errorFlag) {
            return 0;
        }
        if (id == kFnPoly || id == kFnStat) {
            if (stored.size() == kMaxStoredElements + (id == kFnPoly ? 1 : 0)) {
                RaiseError(kErrOutOfRange);
                return 0;
            }
            stored.push_back(static_cast<double>(element));
        }
        count += 1;
        sum = Checked(sum + element);
        if (id == kFnMean || id == kFnStd) {
            // Only the deviation needs the squares: sum(1E3000) must not overflow on them.
            sumOfSquares = Checked(sumOfSquares + element * element);
            // Rounding can push the numerator a hair below zero for equal elements.
            m_state.stdDeviation =
                count > 1 ? std::sqrt(std::max<Real>(
                                0, (sumOfSquares * count - sum * sum) / (count * (count - 1))))
                          : 0;
        }
    } while (m_state.currentChar == ',');
    m_state.argDepth = savedDepth;

    switch (id) {
        case kFnSum:
            return sum;
        case kFnMean:
            return sum / count;
        case kFnStd:
            return m_state.stdDeviation;
        case kFnPoly: {
            const Real x = stored.front();
            Real result = 0;
            for (std::size_t i = stored.size() - 1; i >= 1; --i) {
                result = Checked(result * x + stored[i]);
            }
            return result;
        }
        default: {  // stat: sum of squared deviations from the mean
            Real s = 0;
            Real q = 0;
            for (double v : stored) {
                s += v;
                q += static_cast<Real>(v) * v;
            }
            return Checked(q - s * s / static_cast<Real>(stored.size()));
        }
    }
}

}  // namespace kalvo
