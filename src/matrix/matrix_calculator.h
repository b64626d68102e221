#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "matrix/cell_texts.h"
#include "matrix/matrix_operation.h"
#include "matrix/real_matrix.h"

namespace kalvo {

class CalculatorSession;

/// A value typed into the r, n or f prompt, checked.
struct PromptCheck {
    bool ok = false;
    Real value = 0;
    std::string message;  ///< why it was refused
    int selectStart = 0;  ///< the span of the typed text to select (0-based)
    int selectLength = 0;
};

/// How a computation ended.
struct MatrixOutcome {
    enum class Kind {
        kNothing,     ///< no operation chosen
        kDone,        ///< `c` holds the result's texts
        kCellFailed,  ///< an operand cell does not evaluate: `grid`, `row`, `col`, `message`
        kFailed,      ///< the operation failed with `message` (sizes, singular, overflow)
    };
    Kind kind = Kind::kNothing;
    CellTexts c;
    std::string message;
    char grid = 'A';  ///< kCellFailed: 'A' or 'B'
    int row = 0;      ///< kCellFailed: 1-based element position
    int col = 0;
    int selectStart = 0;  ///< kCellFailed: the span of the cell's text to select
    int selectLength = 0;
};

/// A labelled matrix of the repository.
struct RepositoryEntry {
    std::string label;
    TRealMatrix matrix;
};

/// What the matrix window computes, without any widget: the chosen operation with its
/// r, n and f, the checks of the prompts, the computation over the grids' cell texts
/// (each an expression for the real engine) and the repository of results. The command
/// line runs the same computation.
///
///   MatrixCalculator calculator(session);
///   calculator.SetOperation(MatrixOperation::kInverse);
///   MatrixOutcome outcome = calculator.Compute(a, b);   // outcome.c: the inverse's texts
class MatrixCalculator {
  public:
    /// Results beyond this many repository entries push out the oldest.
    static constexpr std::size_t kRepositoryLimit = 100;
    /// The function text offered the first time f(A) is chosen.
    static constexpr char kDefaultFunction[] = "sin(A)+cos(A)/3";

    explicit MatrixCalculator(CalculatorSession& session);

    MatrixOperation Operation() const { return m_operation; }
    void SetOperation(MatrixOperation operation) { m_operation = operation; }
    MatrixNames& Names() { return m_names; }
    const MatrixNames& Names() const { return m_names; }
    OperationParameters& Parameters() { return m_parameters; }
    const OperationParameters& Parameters() const { return m_parameters; }
    /// The formula of the current operation (see OperationText).
    std::string Text(bool renamed) const {
        return OperationText(m_operation, m_names, m_parameters, renamed);
    }

    /// The prompts' texts: r in the general 7-digit format, n, and f (the default text
    /// while f is still empty).
    std::string ScalePromptText() const;
    std::string PowerPromptText() const;
    std::string FunctionPromptText() const;

    /// r: any expression that evaluates.
    PromptCheck CheckScale(const std::string& text);
    /// n: an expression whose value is a whole number in the 32-bit range.
    PromptCheck CheckPower(const std::string& text);
    /// f: the text with every "(A)" replaced by "(1)" evaluates, or fails only with an
    /// argument, range, overflow, singularity or division error (a fault of that one
    /// sample value, not of the text).
    PromptCheck CheckFunction(const std::string& text);

    /// "=": evaluates A (and B for solve, add, multiply and subtract) column by column,
    /// writing "0" into empty cells, stops at the first cell that fails, then computes.
    /// On success the operands and the result join the repository.
    MatrixOutcome Compute(CellTexts& a, CellTexts& b);

    const std::deque<RepositoryEntry>& Repository() const { return m_repository; }

  private:
    struct Evaluated;
    Evaluated EvaluateText(const std::string& text);
    bool ReadGrid(char grid, const std::string& name, CellTexts& cells, TRealMatrix& matrix,
                  MatrixOutcome& outcome);
    MatrixOutcome ApplyFunction(const CellTexts& a, TRealMatrix& values);
    std::unique_ptr<TRealMatrix> Calculate(const TRealMatrix& a, const TRealMatrix& b,
                                           MatrixOutcome& outcome);
    void Remember(const std::string& name, const TRealMatrix& matrix);

    CalculatorSession& m_session;
    MatrixOperation m_operation = MatrixOperation::kNone;
    MatrixNames m_names;
    OperationParameters m_parameters;
    std::deque<RepositoryEntry> m_repository;
};

}  // namespace kalvo
