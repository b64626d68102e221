#include "matrix/matrix_calculator.h"

#include <climits>
#include <cmath>
#include <string_view>
#include <vector>

#include "display/format_general.h"
#include "engine/error_codes.h"
#include "engine/float_fault.h"
#include "frontend/calculator_session.h"
#include "frontend/field_evaluation.h"
#include "matrix/gauss_jordan.h"
#include "matrix/matrix_exception.h"

namespace kalvo {

namespace {

constexpr char kFailedCell[] = "Error";
/// f with a cell's text in place of each "(A)" may not grow beyond this.
constexpr std::size_t kMaxFunctionText = 1024u * 1024u;

/// Keeps the engine's expression text across the evaluations of the matrix window, so
/// that the main window still sees its own last expression afterwards.
class KeepEngineText {
  public:
    explicit KeepEngineText(EngineState& state) : m_state(state), m_text(state.text) {}
    ~KeepEngineText() { m_state.text = m_text; }
    KeepEngineText(const KeepEngineText&) = delete;
    KeepEngineText& operator=(const KeepEngineText&) = delete;

  private:
    EngineState& m_state;
    std::string m_text;
};

/// text with every "(A)" replaced by `replacement`; empty when the result would exceed
/// the limit.
std::string Substitute(const std::string& text, const std::string& replacement, bool& tooLong) {
    static constexpr std::string_view kPlaceholder = "(A)";
    std::string result;
    std::size_t pos = 0;
    tooLong = false;
    while (true) {
        const std::size_t found = text.find(kPlaceholder, pos);
        result.append(text, pos, found == std::string::npos ? std::string::npos : found - pos);
        if (found == std::string::npos) {
            break;
        }
        if (result.size() + replacement.size() > kMaxFunctionText) {
            tooLong = true;
            return {};
        }
        result += replacement;
        pos = found + kPlaceholder.size();
    }
    return result;
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool AllFinite(const TRealMatrix& m, bool& nan) {
    nan = false;
    for (Real value : m.Cells().cells) {
        if (!std::isfinite(value)) {
            nan = std::isnan(value);
            return false;
        }
    }
    return true;
}

}  // namespace

struct MatrixCalculator::Evaluated {
    bool ok = false;
    bool fault = false;  ///< a floating-point fault rather than an engine error
    int code = 0;
    Real value = 0;
    std::string message;
    int selectStart = 0;
    int selectLength = 0;
};

MatrixCalculator::MatrixCalculator(CalculatorSession& session) : m_session(session) {}

MatrixCalculator::Evaluated MatrixCalculator::EvaluateText(const std::string& text) {
    Engine& engine = m_session.GetEngine();
    EngineState& s = engine.State();
    s.errorFlag = false;
    s.argDepth = 0;
    s.usedNames.clear();
    s.usedValues.clear();
    Evaluated result;
    const FieldEvaluation field = EvaluateField(engine, text);
    if (field.fault != FloatFault::kNone) {
        result.fault = true;
        result.message = FloatFaultMessage(field.fault);
        result.selectLength = static_cast<int>(text.size());
    } else if (field.failed) {
        const ShownError shown = field.Error(engine, text);
        result.code = field.code;
        result.message = shown.text;
        result.selectStart = shown.selectStart;
        result.selectLength = shown.selectLength;
    } else {
        result.ok = true;
        result.value = field.value;
    }
    s.errorFlag = false;
    return result;
}

std::string MatrixCalculator::ScalePromptText() const {
    return FormatGeneral(m_parameters.r, kCellDigits);
}

std::string MatrixCalculator::PowerPromptText() const {
    return std::to_string(m_parameters.n);
}

std::string MatrixCalculator::FunctionPromptText() const {
    return m_parameters.f.empty() ? kDefaultFunction : m_parameters.f;
}

namespace {

PromptCheck Refused(std::string message, int selectStart, int selectLength) {
    PromptCheck check;
    check.message = std::move(message);
    check.selectStart = selectStart;
    check.selectLength = selectLength;
    return check;
}

}  // namespace

PromptCheck MatrixCalculator::CheckScale(const std::string& text) {
    KeepEngineText keep(m_session.State());
    const Evaluated evaluated = EvaluateText(text);
    if (!evaluated.ok) {
        return Refused(evaluated.message, evaluated.selectStart, evaluated.selectLength);
    }
    PromptCheck check;
    check.ok = true;
    check.value = evaluated.value;
    return check;
}

PromptCheck MatrixCalculator::CheckPower(const std::string& text) {
    PromptCheck check = CheckScale(text);
    if (!check.ok) {
        return check;
    }
    const int all = static_cast<int>(text.size());
    if (std::trunc(check.value) != check.value) {
        return Refused("n must be a whole number", 0, all);
    }
    if (check.value < INT_MIN || check.value > INT_MAX) {
        return Refused(
            "n must lie between " + std::to_string(INT_MIN) + " and " + std::to_string(INT_MAX), 0,
            all);
    }
    return check;
}

PromptCheck MatrixCalculator::CheckFunction(const std::string& text) {
    KeepEngineText keep(m_session.State());
    bool tooLong = false;
    const Evaluated evaluated = EvaluateText(Substitute(text, "(1)", tooLong));
    const int code = evaluated.code;
    const bool sampleFault = evaluated.fault ||
                             (code >= kErrArgument && code <= kErrDivisionByZero) ||
                             code == kErrOutOfRange;
    if (!evaluated.ok && !sampleFault) {
        // "(1)" has the length of "(A)", so the position holds for the typed text.
        return Refused(evaluated.message, evaluated.selectStart, evaluated.selectLength);
    }
    PromptCheck check;
    check.ok = true;
    return check;
}

bool MatrixCalculator::ReadGrid(char grid, const std::string& name, CellTexts& cells,
                                TRealMatrix& matrix, MatrixOutcome& outcome) {
    const int rows = RowCount(cells);
    const int cols = ColCount(cells);
    if (rows < 1 || cols < 1) {
        outcome.kind = MatrixOutcome::Kind::kFailed;
        outcome.message = kInvalidDimensions;
        return false;
    }
    matrix.SetSize(rows, cols);
    for (int j = 0; j < cols; ++j) {
        for (int i = 0; i < rows; ++i) {
            std::string& text = cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            if (text.empty()) {
                text = "0";
            }
            const Evaluated evaluated = EvaluateText(text);
            if (!evaluated.ok) {
                outcome.kind = MatrixOutcome::Kind::kCellFailed;
                outcome.grid = grid;
                outcome.row = i + 1;
                outcome.col = j + 1;
                outcome.message = name + "[" + std::to_string(i + 1) + "," + std::to_string(j + 1) +
                                  "]: " + evaluated.message;
                outcome.selectStart = evaluated.selectStart;
                outcome.selectLength = evaluated.selectLength;
                return false;
            }
            matrix.SetItem(i, j, evaluated.value);
        }
    }
    return true;
}

MatrixOutcome MatrixCalculator::ApplyFunction(const CellTexts& a, TRealMatrix& values) {
    MatrixOutcome outcome;
    outcome.c = EmptyCells(RowCount(a), ColCount(a));
    Engine& engine = m_session.GetEngine();
    for (int i = 0; i < RowCount(a); ++i) {
        for (int j = 0; j < ColCount(a); ++j) {
            const std::size_t row = static_cast<std::size_t>(i);
            const std::size_t col = static_cast<std::size_t>(j);
            bool tooLong = false;
            const std::string text = Substitute(m_parameters.f, "(" + a[row][col] + ")", tooLong);
            std::string& shown = outcome.c[row][col];
            shown = kFailedCell;
            if (tooLong) {
                continue;
            }
            const Evaluated evaluated = EvaluateText(text);
            if (!evaluated.ok) {
                if (evaluated.code == kErrUserBreak) {
                    // A confirmed break stops the whole computation, not just this cell.
                    outcome.kind = MatrixOutcome::Kind::kFailed;
                    outcome.message = evaluated.message;
                    return outcome;
                }
                continue;
            }
            const std::string formatted =
                TrimBlanks(engine.FormatValue(m_session.Digits(), evaluated.value));
            if (engine.State().errorFlag) {
                engine.State().errorFlag = false;
                continue;
            }
            shown = formatted;
            values.SetItem(i, j, evaluated.value);
        }
    }
    outcome.kind = MatrixOutcome::Kind::kDone;
    return outcome;
}

std::unique_ptr<TRealMatrix> MatrixCalculator::Calculate(const TRealMatrix& a, const TRealMatrix& b,
                                                         MatrixOutcome& outcome) {
    switch (m_operation) {
        case MatrixOperation::kSolve: {
            if (!a.IsSquare()) {
                throw EMatrixException(kOnlySquare);
            }
            const int n = a.RowCount();
            std::vector<Real> rhs(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                rhs[static_cast<std::size_t>(i)] = b.GetItem(i, 0);
            }
            std::vector<Real> x;
            if (SolveGaussJordan(a.Cells(), rhs, 0, n - 1, x) != 0) {
                outcome.kind = MatrixOutcome::Kind::kFailed;
                outcome.message = kNoSolution;
                return nullptr;
            }
            auto result = std::make_unique<TRealMatrix>(n, 1);
            for (int i = 0; i < n; ++i) {
                result->SetItem(i, 0, x[static_cast<std::size_t>(i)]);
            }
            return result;
        }
        case MatrixOperation::kAdd:
            return a.Sum(b);
        case MatrixOperation::kSubtract:
            return a.Sum(*b.Scaled(-1));
        case MatrixOperation::kMultiply:
            return a.Product(b);
        case MatrixOperation::kInverse:
            return a.Inverted();
        case MatrixOperation::kPower:
            return a.Powered(m_parameters.n);
        case MatrixOperation::kDeterminant: {
            if (!a.IsSquare()) {
                throw EMatrixException(kOnlySquare);
            }
            RealArray work = a.Cells();
            auto result = std::make_unique<TRealMatrix>(1, 1);
            result->SetItem(0, 0, DeterminantGauss(work, 0, a.RowCount() - 1));
            return result;
        }
        case MatrixOperation::kScale:
            return a.Scaled(m_parameters.r);
        case MatrixOperation::kFunction:
        case MatrixOperation::kNone:
            break;
    }
    return nullptr;
}

MatrixOutcome MatrixCalculator::Compute(CellTexts& a, CellTexts& b) {
    MatrixOutcome outcome;
    if (m_operation == MatrixOperation::kNone) {
        return outcome;
    }
    KeepEngineText keep(m_session.State());
    m_session.State().breakRequested = false;
    const bool usesB = OperationInfo(m_operation).usesB;
    TRealMatrix ma;
    TRealMatrix mb;
    if (!ReadGrid('A', m_names.a, a, ma, outcome) ||
        (usesB && !ReadGrid('B', m_names.b, b, mb, outcome))) {
        return outcome;
    }
    std::unique_ptr<TRealMatrix> result;
    if (m_operation == MatrixOperation::kFunction) {
        result = std::make_unique<TRealMatrix>(ma.RowCount(), ma.ColCount());
        outcome = ApplyFunction(a, *result);
        if (outcome.kind != MatrixOutcome::Kind::kDone) {
            return outcome;
        }
    } else {
        try {
            result = Calculate(ma, mb, outcome);
        } catch (const EMatrixException& e) {
            outcome.kind = MatrixOutcome::Kind::kFailed;
            outcome.message = e.what();
            return outcome;
        }
        if (!result) {
            return outcome;
        }
        bool nan = false;
        if (!AllFinite(*result, nan)) {
            outcome.kind = MatrixOutcome::Kind::kFailed;
            outcome.message =
                FloatFaultMessage(nan ? FloatFault::kInvalidOperation : FloatFault::kOverflow);
            return outcome;
        }
        outcome.c = FormatCells(*result);
        outcome.kind = MatrixOutcome::Kind::kDone;
    }
    Remember(m_names.a, ma);
    if (usesB) {
        Remember(m_names.b, mb);
    }
    Remember(m_names.c, *result);
    return outcome;
}

void MatrixCalculator::Remember(const std::string& name, const TRealMatrix& matrix) {
    m_repository.push_back(
        {RepositoryLabel(name, matrix.RowCount(), matrix.ColCount(), m_operation), matrix});
    while (m_repository.size() > kRepositoryLimit) {
        m_repository.pop_front();
    }
}

}  // namespace kalvo
