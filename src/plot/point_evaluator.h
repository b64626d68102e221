#pragma once

#include <iosfwd>
#include <string>

#include "engine/real.h"

namespace kalvo {

class CalculatorSession;

/// The text without any blank, as the engine reads it.
std::string WithoutBlanks(const std::string& text);

/// Why a sampling stopped at a point, or why a point failed.
struct SampleFailure {
    int code = 0;       ///< engine error code; 22 when the user broke the sampling
    int position = 0;   ///< 1-based, in the blank-free text as plotted
    int length = 0;     ///< length of the marked span
    std::string fault;  ///< a floating-point fault's message; empty for an engine error

    bool UserBreak() const;
};

class Engine;

/// The failure as the result line words it, its position moved onto the text as typed:
/// "Syntax error: position 3", or the fault's message.
std::string DescribeFailure(const Engine& engine, const std::string& typed,
                            const SampleFailure& failure);

/// What the error box says after a point of a plot could not be calculated.
inline constexpr char kCannotCalculate[] = "Cann't calculate this function";

/// Reports a sampling that stopped at a failing point on a command line: the failure as
/// DescribeFailure words it (in UTF-8), then, unless the user broke it, kCannotCalculate.
/// Returns the exit status 1.
int WriteSampleFailure(std::ostream& err, const Engine& engine, const std::string& typed,
                       const SampleFailure& failure);

/// Evaluates the text being plotted at the point currently held in the variables X and Y.
/// Each point starts like a fresh evaluation (no names recorded from the point before)
/// and afterwards forgets the remembered extremum-search text, so that a min or max
/// inside the function starts at its coarsest subdivision at every point.
///
/// In complex-modulus mode the complex evaluator computes abs(text) and the point's value
/// is the modulus; error positions are given in the text without the "abs(" wrapper.
class PointEvaluator {
  public:
    enum class Mode { kReal, kComplexModulus };

    /// `text` is the input as typed; blanks are removed here.
    PointEvaluator(CalculatorSession& session, const std::string& text, Mode mode);

    const std::string& Text() const { return m_text; }
    void SetX(Real x);
    void SetY(Real y);

    /// The value at the current point. On failure `failure` (when not null) describes it
    /// and the value is the one the engine left (0 after an error or a fault).
    Real Evaluate(bool& failed, SampleFailure* failure);

  private:
    CalculatorSession& m_session;
    std::string m_text;       ///< blank-free input
    std::string m_evaluated;  ///< what the evaluator reads: the text or abs(text)
    Mode m_mode;
};

}  // namespace kalvo
