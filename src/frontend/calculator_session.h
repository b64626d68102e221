#pragma once

#include <deque>
#include <string>
#include <unordered_set>

#include "complex/complex_evaluator.h"
#include "complex/complex_num.h"
#include "engine/engine.h"
#include "engine/float_fault.h"

namespace kalvo {

/// What the result line shows after an evaluation or a mode switch.
struct ResultLine {
    enum class Kind { kUnchanged, kValue, kError, kFault };
    Kind kind = Kind::kUnchanged;
    std::string text;
    /// For kError: the span of the typed text to select (0-based start).
    int selectStart = 0;
    int selectLength = 0;
    /// The line this evaluation put on the tape (empty when it wrote none).
    std::string tapeLine;
};

/// The calculator as the main window runs it, without any widget: the evaluation cycle,
/// the history, results and tape lists, the mode switches and the display settings. The
/// window (or the command line) only wires its controls to these operations.
class CalculatorSession {
  public:
    explicit CalculatorSession(EngineHost& host);

    Engine& GetEngine() { return m_engine; }
    EngineState& State() { return m_engine.State(); }

    /// The evaluation cycle on the input line's text. `modified` is the edit control's
    /// modified flag: only modified input is recorded in the lists and on the tape.
    /// In complex mode the complex evaluator computes and FormatComplex shows the value.
    ResultLine Evaluate(const std::string& input, bool modified);

    /// Which evaluator the cycle calls: real (off) or complex (on).
    void SetComplexMode(bool on) { m_complexMode = on; }
    bool ComplexMode() const { return m_complexMode; }
    ComplexEvaluator& GetComplexEvaluator() { return m_complex; }
    /// The last complex answer ("?" in complex mode), shown again by the mode switches.
    const ComplexNum& LastComplexAnswer() const { return m_complex.LastResult(); }
    int ComplexForm() const { return State().display.complexForm; }
    /// Complex-form switch (0 Polar, 1 Rect): shows the last complex answer in the new form
    /// and writes the tape line input + " = " + result text.
    ResultLine SetComplexForm(int form, const std::string& input);

    // Lists, newest first.
    const std::deque<std::string>& History() const { return m_history; }
    const std::deque<std::string>& Results() const { return m_results; }
    const std::deque<std::string>& Tape() const { return m_tape; }
    void DeleteHistoryEntry(std::size_t index);
    void DeleteResultsEntry(std::size_t index);
    void SetHistory(std::deque<std::string> entries);
    /// Puts the input at the top of the history: inserted when absent, moved up when it
    /// stands lower, left alone when it is first already (a plot records its function so).
    void PutOnTopOfHistory(const std::string& input);
    void SetResults(std::deque<std::string> entries) { m_results = std::move(entries); }
    void ClearTape() { m_tape.clear(); }
    /// Keeps at most `limit` entries in each of the history, results and tape lists,
    /// dropping the oldest. A session whose lists nobody shows (the command line) keeps
    /// none, so a long piped session needs no more memory than a short one; the tape line
    /// of each evaluation still comes back in its `ResultLine`.
    void SetListLimit(std::size_t limit);

    // Display settings and mode switches.
    int Digits() const { return m_digits; }
    int DigitsMin() const { return m_digitsMin; }
    int Bits() const { return State().display.bits; }
    int Notation() const { return State().display.notation; }
    int NumberBase() const { return State().display.base; }
    int AngleUnit() const { return State().angleUnit; }

    /// Range of the Digits spin for the current notation and base.
    int DigitsMax() const;
    /// Notation switch: adjusts the Digits range and shows the last answer again.
    ResultLine SetNotation(int notation);
    /// Base switch: evaluates the input first (in the old base), then switches and writes
    /// the "; Base=" tape line. `evaluated` (when not null) receives the line of that first
    /// evaluation, so a window can select an error's span before showing the switch's line.
    ResultLine SetBase(int base, const std::string& input, bool modified,
                       ResultLine* evaluated = nullptr);
    /// The Digits spin moved to `position`; in base bin the position snaps to 7, 8, 16 or
    /// 32 and sets Bits. Returns the position the spin must show.
    int SetDigitsPosition(int position, ResultLine* shown = nullptr);
    /// Width without redisplay (start-up, command-line options).
    void SetDigits(int digits) { m_digits = digits; }
    void SetBits(int bits);
    void SetAngle(int angleUnit);
    void SetLoading(bool loading) { m_loading = loading; }
    /// "Clear All": lists, variables and answers back to their initial state.
    void ClearAll();

    /// The last answer in the current display settings (the last complex answer in
    /// complex mode).
    ResultLine ShowLastAnswer();

    static std::string DigitSetFor(int base);

    /// A tape note built from the names and values read during the last evaluation.
    std::string TapeNote() const;

  private:
    const EngineState& State() const { return m_engine.State(); }
    ResultLine ErrorLine(const std::string& typed, const std::string& blankFree, int code, int pos,
                         int length);
    /// Puts input and result on the lists; returns the tape line.
    std::string Record(const std::string& input, const std::string& resultText);
    void AddTapeLine(std::string line);
    void TrimLists();
    /// A value for the result line, recorded in the lists and on the tape when modified.
    ResultLine RecordedValue(const std::string& input, std::string text, bool modified);
    static ResultLine FaultLine(FloatFault fault);
    ResultLine EvaluateComplexInput(const std::string& input, const std::string& blankFree,
                                    bool modified);

    Engine m_engine;
    ComplexEvaluator m_complex{m_engine};
    std::deque<std::string> m_history;
    std::unordered_set<std::string> m_historyIndex;  ///< the history's entries, for lookup
    std::deque<std::string> m_results;
    std::deque<std::string> m_tape;
    std::size_t m_listLimit = static_cast<std::size_t>(-1);
    int m_digits = 12;
    int m_digitsMin = 0;
    bool m_loading = false;
    bool m_complexMode = false;
};

}  // namespace kalvo
