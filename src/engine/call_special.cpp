// Dispatch of the special functions (gamma, error function, integral sine and cosine,
// the Bessel family, the Fermi-Dirac integral) from the built-in table.
#include <cmath>

#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/function_table.h"
#include "engine/special/bessel.h"
#include "engine/special/break_poll.h"
#include "engine/special/error_function.h"
#include "engine/special/fermi_dirac.h"
#include "engine/special/gamma.h"
#include "engine/special/sine_cosine_integral.h"

namespace kalvo {

namespace {

/// Lets the quadrature behind a special function poll the Stop button.
class EngineBreakPoll : public BreakPoll {
  public:
    explicit EngineBreakPoll(Engine& engine) : m_engine(engine) {}
    bool PollBreak() override { return m_engine.Poll(); }

  private:
    Engine& m_engine;
};

}  // namespace

Real Engine::CallSpecial(int id, Real first, Real second) {
    EngineBreakPoll poll(*this);
    const int precision = m_state.integralPrecision;
    SpecialResult r;
    switch (id) {
        case kFnJn:
            r = BesselJ(first, second, precision, poll);
            break;
        case kFnYn:
            r = BesselY(first, second, precision, poll);
            break;
        case kFnIn:
            r = BesselI(first, second, precision, poll);
            break;
        case kFnKn:
            r = BesselK(first, second, precision, poll);
            break;
        case kFnCi:
            r = CosineIntegral(first, precision, poll);
            break;
        case kFnSi:
            r = SineIntegral(first, precision, poll);
            break;
        case kFnErf:
            r = Erf(first);
            break;
        case kFnGamma:
            r = Gamma(first);
            break;
        case kFnFactorial:
            if (first != std::trunc(first) || first < 0) {
                r = SpecialError(kErrArgument, true);
            } else {
                r = Gamma(first + 1);
            }
            break;
        case kFnFermiDirac:
            r = FermiDirac(first, second, precision, poll);
            break;
        default:
            RaiseError(kErrSyntax);
            return 0;
    }
    if (r.stopped || m_state.errorFlag) {
        return 0;
    }
    if (r.error >= 0) {
        Real result = 0;
        if (r.resetAnswer) {
            ResetAnswer(result);
        }
        RaiseError(r.error);
        return 0;
    }
    return Checked(r.value);
}

}  // namespace kalvo
