// solve, integral, min and max: operators that evaluate their third argument, an
// expression in X, many times by moving the scanner back to its start.
#include <cmath>

#include "display/format_real.h"
#include "engine/engine.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "engine/special/adaptive_quadrature.h"

namespace kalvo {

namespace {

constexpr int kMaxSubdivisions = 1 << 16;
constexpr int kMaxRefineSteps = 500;
constexpr int kSamples = 40;
// An integral that has not settled after this many passes (the last with 2^(k-1)
// subintervals) does not converge: a singularity, or rounding noise that never settles.
constexpr int kMaxIntegralPasses = 18;
// Bisection that has not met its tolerance after this many halvings is stepping towards
// a pole or a jump; a sound root needs about as many steps as the significand has bits.
constexpr int kMaxSolveSteps = 1000;

}  // namespace

int ArgumentEnd(const std::string& text, int start, std::string& argument) {
    argument.clear();
    const int size = static_cast<int>(text.size());
    int depth = 1;
    for (int pos = start; pos <= size; ++pos) {
        const char c = text[static_cast<std::size_t>(pos - 1)];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 1) {
            depth = 0;
        }
        if (depth == 0) {
            return pos;
        }
        argument.push_back(c);
    }
    return size + 1;
}

bool Engine::ExtractArgument(std::string& argument, int& endPos) {
    endPos = ArgumentEnd(m_state.text, m_state.scanPos, argument);
    return endPos <= static_cast<int>(m_state.text.size()) && !argument.empty();
}

bool Engine::EvaluateBound(Real& bound, int& endPos) {
    std::string argument;
    const std::string saved = m_state.text;
    if (!ExtractArgument(argument, endPos)) {
        m_state.scanPos = std::min(endPos, static_cast<int>(m_state.text.size()));
        RaiseError(kErrSyntax);
        return false;
    }
    m_state.text = argument;
    m_state.scanPos = 0;
    m_state.subexprStart = 1;
    Advance();
    bound = Expression();
    m_state.text = saved;
    if (m_state.errorFlag) {
        // Point into the full text rather than into the argument alone.
        m_state.errorPos += endPos - static_cast<int>(argument.size()) - 1;
        m_state.scanPos = static_cast<int>(m_state.text.size());
        return false;
    }
    m_state.scanPos = endPos;
    m_state.currentChar = CharAt(endPos);
    return true;
}

bool Engine::EvaluateBounds(Real& lower, Real& upper) {
    int endPos = 0;
    if (!EvaluateBound(lower, endPos)) {
        return false;
    }
    if (m_state.currentChar != ',') {
        RaiseError(kErrSyntax);
        return false;
    }
    Advance();
    if (!EvaluateBound(upper, endPos)) {
        return false;
    }
    Advance();
    return true;
}

Real Engine::EvaluateAt(Real x, int argStart) {
    m_state.Var(kSlotX) = x;
    m_state.scanPos = argStart;
    m_state.currentChar = CharAt(argStart);
    m_state.subexprStart = argStart;
    return Expression();
}

bool Engine::Poll() {
    m_host->PumpMessages();
    return CheckBreak();
}

Real Engine::Solve() {
    // Nested operators multiply their work; each one gives the user a chance to stop.
    if (Poll()) {
        return 0;
    }
    const Real savedX = m_state.Var(kSlotX);
    const int argsStart = m_state.scanPos;
    Real low = 0;
    Real up = 0;
    if (!EvaluateBounds(low, up)) {
        return 0;
    }
    const int argStart = m_state.scanPos;
    Real a = low;
    Real b = up;
    m_state.previousLow = a;
    m_state.previousUp = b;
    m_state.Var(kSlotL) = low;
    m_state.Var(kSlotU) = up;
    auto f = [this, argStart](Real x) { return EvaluateAt(x, argStart); };

    const Real fa = f(a);
    if (m_state.errorFlag) {
        return 0;
    }
    const Real fb = f(b);
    if (m_state.errorFlag) {
        return 0;
    }
    Real d = std::fabs(fb - fa);
    if (up < low) {
        RaiseError(kErrInterval);
        m_state.errorPos = argsStart;
        m_state.errorLength = argStart - argsStart;
        return 0;
    }
    if ((fa > 0 && fb > 0) || (fa < 0 && fb < 0)) {
        // No sign change: look for the extremum towards zero and bisect from there.
        const bool maximum = fa < 0;
        m_state.previousSearchText.clear();
        m_state.scanPos = argStart;
        m_state.currentChar = CharAt(argStart);
        Real extremum = ExtremumSearch(maximum, true);
        if (m_state.errorFlag) {
            return 0;
        }
        if (maximum ? !(extremum > -1e-18L) : !(extremum < 1e-18L)) {
            RaiseError(kErrInterval);
            return 0;
        }
        a = m_state.Var(kSlotX);
        d = std::fabs(fb - extremum);
    }
    Real root = 0;
    if (std::fabs(fa) < 1e-15L) {
        root = a;
    } else if (fb == 0) {
        root = b;
    } else {
        for (int step = 1;; ++step) {
            Real m = a + (b - a) * 0.5L;
            // A bracket that can no longer shrink holds a pole or a jump, not a root.
            if (std::fabs(b - a) < 1e-4000L || m == a || m == b || step > kMaxSolveSteps) {
                RaiseError(kErrSingularity);
                return 0;
            }
            Real fm = f(m);
            if (m_state.errorFlag) {
                return 0;
            }
            if (fm != 0 && (fm > 0) == (fb > 0)) {
                b = m;
            } else {
                a = m;
            }
            if (Poll()) {
                return 0;
            }
            if (d == 0 || std::fabs(fm) / d < 1e-15L) {
                root = m;
                break;
            }
        }
    }
    m_state.Var(kSlotX) = savedX;
    return root;
}

Real Engine::Integral() {
    const int firstArg = m_state.scanPos;
    const Real savedX = m_state.Var(kSlotX);
    const int precision = m_host->IntegrationPrecision();
    // Estimates that differ by less than this share of the integral of |f| agree: an
    // integral worth 0 has sums of pure rounding noise whose texts never agree.
    const Real share = std::pow(10.0L, -static_cast<Real>(precision));
    int n = 1;
    std::string previousText;
    Real previousSum = 0;
    for (int pass = 1;; ++pass) {
        m_state.scanPos = firstArg;
        m_state.currentChar = CharAt(firstArg);
        m_state.Var(kSlotX) = savedX;
        Real low = 0;
        Real up = 0;
        if (!EvaluateBounds(low, up)) {
            m_state.Var(kSlotX) = savedX;
            return 0;
        }
        m_state.previousLow = low;
        m_state.previousUp = up;
        m_state.subdivisionCount = n;
        const int argStart = m_state.scanPos;
        Real sum = 0;
        Real absSum = 0;
        const Real h = (up - low) / 2 / n;
        for (int i = 1; i <= n; ++i) {
            const Real c = low + (i - 0.5L) * 2 * h;
            Real part = 0;
            Real absPart = 0;
            for (int k = 0; k < kGaussPairs; ++k) {
                Real right = EvaluateAt(c + h * kGaussNodes[k], argStart);
                if (m_state.errorFlag) {
                    return 0;
                }
                Real left = EvaluateAt(c - h * kGaussNodes[k], argStart);
                if (m_state.errorFlag) {
                    return 0;
                }
                part = Checked(part + kGaussWeights[k] * (right + left));
                absPart = Checked(absPart + kGaussWeights[k] * (std::fabs(right) + std::fabs(left)));
            }
            sum = Checked(sum + h * part);
            absSum = Checked(absSum + std::fabs(h) * absPart);
            if (Poll()) {
                return 0;
            }
        }
        // Successive estimates are compared as decimal scientific text.
        DisplaySettings scientific = m_state.display;
        scientific.notation = kScn;
        scientific.base = kDec;
        std::string text = FormatReal(scientific, 21, sum);
        bool converged = false;
        if (pass > 1) {
            if (text == previousText) {
                converged = true;
            } else {
                m_host->IntegralProgress(text);
                const std::size_t point = text.find('.');
                const std::size_t last = point + static_cast<std::size_t>(precision);
                converged = true;
                for (std::size_t i = point; i <= last && i < text.size() && i < previousText.size();
                     ++i) {
                    if (text[i] != previousText[i]) {
                        converged = false;
                        break;
                    }
                }
                converged = converged || std::fabs(sum - previousSum) <= share * absSum;
            }
        }
        if (converged) {
            m_state.Var(kSlotX) = savedX;
            return sum;
        }
        if (pass == kMaxIntegralPasses) {
            RaiseError(kErrSingularity);
            m_state.Var(kSlotX) = savedX;
            return 0;
        }
        previousText = std::move(text);
        previousSum = sum;
        n = pass > 1 ? n * 2 : 2;
    }
}

Real Engine::ParabolicRefine(Real a, Real c, Real step, bool maximum, int argStart, Real& argument,
                             bool& ok) {
    ok = false;
    const Real sign = maximum ? -1 : 1;
    auto f = [&](Real x) { return sign * EvaluateAt(x, argStart); };
    Real b = a + step;
    Real fa = f(a);
    if (m_state.errorFlag) {
        return 0;
    }
    Real fb = f(b);
    if (m_state.errorFlag) {
        return 0;
    }
    Real fc = f(c);
    if (m_state.errorFlag) {
        return 0;
    }
    for (int i = 0;;) {
        if (Poll()) {
            return 0;
        }
        Real p = (fc - fa) * (b - a) - (fb - fa) * (c - a);
        Real q = (c - a) * (c - a) * (fb - fa) - (b - a) * (b - a) * (fc - fa);
        Real x = p != 0 ? a - q / (2 * p) : 0.4L * a + 0.6L * c;
        if (!std::isfinite(x) || std::fabs(x - (a + c) / 2) < 0.001L * (c - a)) {
            x = 0.4L * a + 0.6L * c;
        }
        Real fx = f(x);
        if (m_state.errorFlag) {
            m_state.Var(kSlotX) = m_savedX;
            return 0;
        }
        if (std::fabs(fx - fb) - 1e-6L * std::fabs(fb) - 1e-20L < 0) {
            argument = x;
            ok = true;
            return sign * fx;
        }
        if (++i > kMaxRefineSteps) {
            RaiseError(kErrExtremumNotFound);
            return 0;
        }
        if (x < b) {
            if (fx < fb) {
                c = b, fc = fb;
                b = x, fb = fx;
            } else {
                a = x, fa = fx;
            }
        } else {
            if (fx < fb) {
                a = b, fa = fb;
                b = x, fb = fx;
            } else {
                c = x, fc = fx;
            }
        }
    }
}

Real Engine::SearchSubinterval(Real a, Real b, bool maximum, int argStart, Real& argument) {
    if (b < a) {
        std::swap(a, b);
    }
    const Real step = (b - a) / kSamples;
    Real values[kSamples + 1];
    for (int k = 0; k <= kSamples; ++k) {
        values[k] = EvaluateAt(a + k * step, argStart);
        if (m_state.errorFlag) {
            m_state.Var(kSlotX) = m_savedX;
            return 0;
        }
    }
    auto better = [maximum](Real candidate, Real best) {
        return maximum ? candidate > best : candidate < best;
    };
    Real best = values[0];
    argument = a;
    if (better(values[kSamples], best)) {
        best = values[kSamples];
        argument = b;
    }
    for (int k = 1; k < kSamples; ++k) {
        Real left = values[k - 1];
        Real here = values[k];
        Real right = values[k + 1];
        bool turning = maximum ? ((here > left && here >= right) || (here >= left && here > right))
                               : ((here < left && here <= right) || (here <= left && here < right));
        if (!turning) {
            continue;
        }
        Real refinedArgument = 0;
        bool ok = false;
        Real value = ParabolicRefine(a + (k - 1) * step, a + (k + 1) * step, step, maximum,
                                     argStart, refinedArgument, ok);
        if (m_state.errorFlag) {
            return 0;
        }
        if (ok && better(value, best)) {
            best = value;
            argument = refinedArgument;
        }
    }
    return best;
}

Real Engine::ExtremumSearch(bool maximum, bool boundsGiven) {
    m_savedX = m_state.Var(kSlotX);
    if (!boundsGiven) {
        Real low = 0;
        Real up = 0;
        if (!EvaluateBounds(low, up)) {
            return 0;
        }
        m_state.Var(kSlotL) = low;
        m_state.Var(kSlotU) = up;
    }
    const Real low = m_state.Var(kSlotL);
    const Real up = m_state.Var(kSlotU);
    const int argStart = m_state.scanPos;
    const bool sameText = m_state.text == m_state.previousSearchText;
    m_state.previousSearchText = m_state.text;
    if (up == m_state.previousUp && low == m_state.previousLow && sameText) {
        m_state.subdivisionCount = std::min(m_state.subdivisionCount * 2, kMaxSubdivisions);
    } else {
        m_state.subdivisionCount = 1;
        m_state.previousUp = up;
        m_state.previousLow = low;
    }
    const int count = m_state.subdivisionCount;
    const Real h = (up - low) / count;
    Real best = 0;
    Real bestArgument = low;
    for (int i = 1; i <= count; ++i) {
        Real a = count == 1 ? low : low + (i - 1) * h;
        Real b = count == 1 ? up : low + i * h;
        Real argument = 0;
        Real value = SearchSubinterval(a, b, maximum, argStart, argument);
        if (m_state.errorFlag) {
            return 0;
        }
        if (Poll()) {
            return 0;
        }
        if (i == 1 || (maximum ? value > best : value < best)) {
            best = value;
            bestArgument = argument;
        }
    }
    m_state.extremumArgument = bestArgument;
    return best;
}

}  // namespace kalvo
