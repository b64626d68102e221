#include "engine/special/error_function.h"

#include <cmath>

namespace kalvo {

namespace {

// sqrt(2) to the 14 digits the library uses.
constexpr Real kSqrtTwo = 1.4142135623731L;
// Beyond this the tail is taken as 0 (it is below 1e-44 there).
constexpr Real kTailCut = 10;

}  // namespace

Real NormalTail(Real y) {
    Real a = std::fabs(y) / kSqrtTwo;
    Real tail = 0;
    if (a <= kTailCut) {
        Real p = 114.09129476797L +
                 a * (141.83210568472L +
                      a * (88.728616552568L +
                           a * (31.499397334774L + a * (6.294988791298L + 0.56413052029668L * a))));
        Real q =
            114.09129476797L +
            a * (270.57034584754L +
                 a * (279.94326328665L +
                      a * (162.63669095274L + a * (56.35922843497L + a * (11.155129488023L + a)))));
        tail = 0.5L * std::exp(-a * a) * p / q;
    }
    return y < 0 ? 1 - tail : tail;
}

SpecialResult Erf(Real x) {
    return SpecialResult{1 - 2 * NormalTail(kSqrtTwo * x)};
}

}  // namespace kalvo
