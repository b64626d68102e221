#include "ui/matrix_window.h"

#include <optional>

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/evaluation_scope.h"
#include "ui/help_contexts.h"
#include "ui/main_window.h"
#include "ui/matrix_grid_panel.h"
#include "ui/mult_dialog.h"

namespace kalvo {

namespace {

QPushButton* MakeButton(const QString& caption, const char* name, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* Framed(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

TfmMatrix::TfmMatrix(TfmCalc& calculator, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_main(calculator),
      m_dialogs(dialogs),
      m_calculator(calculator.Session()) {
    setObjectName("TfmMatrix");
    setWindowTitle(QStringLiteral("Matrix"));

    m_a = new MatrixGridPanel(QStringLiteral("A"), QStringLiteral("A"), true, this);
    m_b = new MatrixGridPanel(QStringLiteral("B"), QStringLiteral("B"), true, this);
    m_c = new MatrixGridPanel(QStringLiteral("C"), QStringLiteral("C"), false, this);
    for (MatrixGridPanel* panel : {m_a, m_b}) {
        connect(panel, &MatrixGridPanel::sizeEntered, this,
                [this, panel](bool rows) { SizeEntered(*panel, rows); });
        connect(panel, &MatrixGridPanel::gridFocused, this, [this, panel] { SetActive(panel); });
    }
    connect(m_c, &MatrixGridPanel::gridFocused, this, [this] { SetActive(nullptr); });
    for (MatrixGridPanel* panel : {m_a, m_b, m_c}) {
        connect(panel, &MatrixGridPanel::nameEdited, this, &TfmMatrix::NameEdited);
    }
    // The pop-up menu of grid A pastes into A.
    auto* paste = new QAction(tr("&Paste"), m_a->Grid());
    connect(paste, &QAction::triggered, this, [this] { PasteFromClipboard(*m_a); });
    m_a->Grid()->addAction(paste);
    m_a->Grid()->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_operationText = new QLabel(this);
    m_operationText->setObjectName("lbOperation");
    QFont formula = m_operationText->font();
    formula.setBold(true);
    formula.setPointSizeF(formula.pointSizeF() * 1.3);
    m_operationText->setFont(formula);
    m_operationText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grids = new QHBoxLayout;
    grids->addWidget(Framed(tr("First matrix"), m_a, this), 3);
    auto* bBox = Framed(tr("Second matrix"), m_b, this);
    bBox->setObjectName("gbB");
    grids->addWidget(bBox, 3);
    grids->addWidget(Framed(tr("Result"), m_c, this), 3);
    grids->addWidget(BuildRepository(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildOperationButtons());
    layout->addWidget(m_operationText);
    layout->addLayout(grids, 1);
    layout->addWidget(BuildTools());

    m_prompt = new TfmMult(m_dialogs, this);
    SetActive(m_a);
    SetResultActions(false);
    resize(1100, 640);
}

QWidget* TfmMatrix::BuildOperationButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int column = 0;
    for (const MatrixOperationInfo& info : MatrixOperations()) {
        auto* button =
            MakeButton(QString::fromLatin1(info.caption), info.objectName, QString(), box);
        const MatrixOperation operation = info.operation;
        connect(button, &QPushButton::clicked, this,
                [this, operation] { OperationClicked(operation); });
        grid->addWidget(button, 0, column++);
    }
    auto* equal =
        MakeButton(QStringLiteral("="), "bbEqual", tr("Compute the chosen operation"), box);
    QFont bold = equal->font();
    bold.setBold(true);
    equal->setFont(bold);
    connect(equal, &QPushButton::clicked, this, &TfmMatrix::Compute);
    grid->addWidget(equal, 0, column);
    return box;
}

QWidget* TfmMatrix::BuildRepository() {
    auto* box = new QGroupBox(QStringLiteral("R"), this);
    m_repository = new QListWidget(box);
    m_repository->setObjectName("lbRepository");
    auto* toA = MakeButton(tr("R -> A"), "bbRtoA", tr("Copy the selected matrix into A"), box);
    auto* toB = MakeButton(tr("R -> B"), "bbRtoB", tr("Copy the selected matrix into B"), box);
    m_printRepository = MakeButton(tr("Print R"), "bbPrintR", tr("Print the selected matrix"), box);
    connect(toA, &QPushButton::clicked, this, [this] { CopyRepository(*m_a); });
    connect(toB, &QPushButton::clicked, this, [this] { CopyRepository(*m_b); });
    connect(m_printRepository, &QPushButton::clicked, this, &TfmMatrix::PrintRepository);
    for (QPushButton* button : {toA, toB, m_printRepository}) {
        button->setEnabled(false);
        connect(m_repository, &QListWidget::currentRowChanged, button,
                [button](int row) { button->setEnabled(row >= 0); });
    }
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_repository, 1);
    layout->addWidget(toA);
    layout->addWidget(toB);
    layout->addWidget(m_printRepository);
    return box;
}

QWidget* TfmMatrix::BuildTools() {
    // The grid tools: {object name, caption, hint, shortcut, what it needs, action}.
    enum class Needs { kNothing, kActiveGrid, kResult };
    struct Tool {
        const char* name;
        QString caption;
        QString hint;
        QKeySequence shortcut;
        Needs needs;
        std::function<void()> action;
    };
    const Tool tools[] = {
        {"bbAddRow", tr("Add Row"), tr("Add a row to the grid being edited (Alt+Insert)"),
         QKeySequence(Qt::ALT | Qt::Key_Insert), Needs::kActiveGrid,
         [this] { m_active->AddRow(); }},
        {"bbDeleteRow",
         tr("Delete Row"),
         tr("Delete the current row of the grid being edited"),
         {},
         Needs::kActiveGrid,
         [this] { m_active->DeleteRow(); }},
        {"bbAddColumn", tr("Add Column"), tr("Add a column to the grid being edited (Ctrl+Insert)"),
         QKeySequence(Qt::CTRL | Qt::Key_Insert), Needs::kActiveGrid,
         [this] { m_active->AddColumn(); }},
        {"bbDeleteColumn",
         tr("Delete Column"),
         tr("Delete the current column of the grid being edited"),
         {},
         Needs::kActiveGrid,
         [this] { m_active->DeleteColumn(); }},
        {"bbTranspose",
         tr("Swap Rows/Columns"),
         tr("Transpose the grid being edited"),
         {},
         Needs::kActiveGrid,
         [this] { Transpose(); }},
        {"bbAtoB",
         tr("A -> B"),
         tr("Copy A over B"),
         {},
         Needs::kNothing,
         [this] { CopyGrid(*m_a, *m_b); }},
        {"bbBtoA",
         tr("B -> A"),
         tr("Copy B over A"),
         {},
         Needs::kNothing,
         [this] { CopyGrid(*m_b, *m_a); }},
        {"bbCtoA",
         tr("C -> A"),
         tr("Copy C over A"),
         {},
         Needs::kNothing,
         [this] { CopyGrid(*m_c, *m_a); }},
        {"bbCtoB",
         tr("C -> B"),
         tr("Copy C over B"),
         {},
         Needs::kNothing,
         [this] { CopyGrid(*m_c, *m_b); }},
        {"bbCopyA",
         tr("Copy A"),
         tr("Copy A to the clipboard"),
         {},
         Needs::kNothing,
         [this] { CopyToClipboard(*m_a); }},
        {"bbCopyB",
         tr("Copy B"),
         tr("Copy B to the clipboard"),
         {},
         Needs::kNothing,
         [this] { CopyToClipboard(*m_b); }},
        {"bbCopyC",
         tr("Copy C"),
         tr("Copy C to the clipboard"),
         {},
         Needs::kNothing,
         [this] { CopyToClipboard(*m_c); }},
        {"bbPasteA",
         tr("Paste A"),
         tr("Paste from the clipboard into A at its current cell"),
         {},
         Needs::kNothing,
         [this] { PasteFromClipboard(*m_a); }},
        {"bbPasteB",
         tr("Paste B"),
         tr("Paste from the clipboard into B at its current cell"),
         {},
         Needs::kNothing,
         [this] { PasteFromClipboard(*m_b); }},
        {"bbSave", tr("Save to Text File"), tr("Save the operation and the grids to a text file"),
         QKeySequence::Save, Needs::kResult, [this] { SaveToTextFile(); }},
        {"bbPrint", tr("Print"), tr("Print the operands and the result"), QKeySequence::Print,
         Needs::kResult, [this] { Print(); }},
    };
    auto* box = new QWidget(this);
    auto* rows = new QGridLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    m_activeLabel = new QLabel(box);
    m_activeLabel->setObjectName("lbEdit");
    m_activeLabel->setMinimumWidth(m_activeLabel->fontMetrics().horizontalAdvance("Edit A") + 8);
    rows->addWidget(m_activeLabel, 0, 0);
    constexpr int kPerRow = 8;
    int placed = 0;
    for (const Tool& tool : tools) {
        QString hint = tool.hint;
        auto* button = MakeButton(tool.caption, tool.name, hint, box);
        connect(button, &QPushButton::clicked, this, tool.action);
        if (!tool.shortcut.isEmpty()) {
            auto* action = new QAction(button);
            action->setShortcut(tool.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, button, [button] {
                if (button->isEnabled()) {
                    button->click();
                }
            });
            addAction(action);
        }
        if (tool.needs == Needs::kActiveGrid) {
            m_activeTools.push_back(button);
        } else if (tool.needs == Needs::kResult) {
            m_resultTools.push_back(button);
        }
        rows->addWidget(button, placed / kPerRow, 1 + placed % kPerRow);
        ++placed;
    }
    return box;
}

void TfmMatrix::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        m_dialogs.ShowHelp(this, kHelpMatrixWindow);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmMatrix::SetActive(MatrixGridPanel* panel) {
    m_active = panel;
    m_activeLabel->setText(panel == m_a   ? QStringLiteral("Edit A")
                           : panel == m_b ? QStringLiteral("Edit B")
                                          : QString());
    for (QPushButton* button : m_activeTools) {
        button->setEnabled(panel != nullptr);
    }
}

void TfmMatrix::SetResultActions(bool enabled) {
    for (QPushButton* button : m_resultTools) {
        button->setEnabled(enabled);
    }
}

void TfmMatrix::Warn(const QString& message) {
    m_dialogs.MessageBox(this, DialogService::Icon::kWarning, windowTitle(), message);
}

bool TfmMatrix::Evaluating(const std::function<void()>& work) {
    if (m_busy || m_main.IsEvaluating()) {
        return false;  // the engine is not re-entrant
    }
    m_busy = true;
    setEnabled(false);
    {
        EvaluationScope scope(m_main);
        work();
    }
    setEnabled(true);
    m_busy = false;
    return true;
}

bool TfmMatrix::Ask(const QString& caption, const QString& name, const QString& text,
                    const std::function<PromptCheck(const std::string&)>& check,
                    PromptCheck& accepted, QString& typed) {
    m_prompt->Prepare(caption, name, text);
    while (m_dialogs.ExecDialog(*m_prompt) == QDialog::Accepted) {
        typed = m_prompt->Text();
        bool ran = Evaluating([&] { accepted = check(ToEngine(typed)); });
        if (ran && accepted.ok) {
            return true;
        }
        m_prompt->ShowError(ran ? FromEngine(accepted.message) : tr("A calculation is running"),
                            accepted.selectStart, accepted.selectLength);
    }
    return false;
}

void TfmMatrix::OperationClicked(MatrixOperation operation) {
    // The operations that ask for a value first: {caption, name, offered text, check}.
    struct Question {
        QString caption;
        QString name;
        std::string text;
        PromptCheck (MatrixCalculator::*check)(const std::string&);
    };
    std::optional<Question> question;
    switch (operation) {
        case MatrixOperation::kScale:
            question = {QStringLiteral("Expession"), QStringLiteral("r ="),
                        m_calculator.ScalePromptText(), &MatrixCalculator::CheckScale};
            break;
        case MatrixOperation::kPower:
            question = {QStringLiteral("Expession"), QStringLiteral("n ="),
                        m_calculator.PowerPromptText(), &MatrixCalculator::CheckPower};
            break;
        case MatrixOperation::kFunction:
            question = {QStringLiteral("Function f(A)"), QStringLiteral("f(A) ="),
                        m_calculator.FunctionPromptText(), &MatrixCalculator::CheckFunction};
            break;
        default:
            break;
    }
    if (question) {
        PromptCheck accepted;
        QString typed;
        const auto check = [this, &question](const std::string& text) {
            return (m_calculator.*(question->check))(text);
        };
        if (!Ask(question->caption, question->name, FromEngine(question->text), check, accepted,
                 typed)) {
            return;  // Cancel keeps the operation chosen before
        }
        OperationParameters& parameters = m_calculator.Parameters();
        if (operation == MatrixOperation::kScale) {
            parameters.r = accepted.value;
        } else if (operation == MatrixOperation::kPower) {
            parameters.n = static_cast<int>(accepted.value);
        } else {
            parameters.f = ToEngine(typed);
        }
    }
    ChooseOperation(operation);
}

void TfmMatrix::ChooseOperation(MatrixOperation operation) {
    m_calculator.SetOperation(operation);
    m_a->FillEmptyCounts();
    m_b->FillEmptyCounts();
    m_b->parentWidget()->setVisible(operation == MatrixOperation::kNone ||
                                    OperationInfo(operation).usesB);
    ShowOperationText(false);
    SetResultActions(false);
    m_a->Grid()->setFocus();
}

void TfmMatrix::ShowOperationText(bool renamed) {
    m_operationText->setText(FromEngine(m_calculator.Text(renamed)));
}

void TfmMatrix::NameEdited() {
    MatrixNames& names = m_calculator.Names();
    names.a = ToEngine(m_a->Name());
    names.b = ToEngine(m_b->Name());
    names.c = ToEngine(m_c->Name());
    for (MatrixGridPanel* panel : {m_a, m_b, m_c}) {
        panel->Relabel();
    }
    ShowOperationText(true);
}

void TfmMatrix::SizeEntered(MatrixGridPanel& panel, bool rows) {
    const bool isA = &panel == m_a;
    const SizeField field = isA ? (rows ? SizeField::kRowsA : SizeField::kColsA)
                                : (rows ? SizeField::kRowsB : SizeField::kColsB);
    const GridSizes sizes{m_a->Rows(), m_a->Cols(), m_b->Rows(),
                          m_b->Cols(), m_c->Rows(), m_c->Cols()};
    const GridSizes coupled = CoupleSizes(m_calculator.Operation(), sizes, field);
    m_a->SetSize(coupled.rowsA, coupled.colsA);
    m_b->SetSize(coupled.rowsB, coupled.colsB);
    m_c->SetSize(coupled.rowsC, coupled.colsC);
}

void TfmMatrix::RefreshRepository() {
    const int selected = m_repository->currentRow();
    m_repository->clear();
    for (const RepositoryEntry& entry : m_calculator.Repository()) {
        m_repository->addItem(FromEngine(entry.label));
    }
    m_repository->setCurrentRow(std::min(selected, m_repository->count() - 1));
}

void TfmMatrix::Compute() {
    const MatrixOperation operation = m_calculator.Operation();
    if (operation == MatrixOperation::kNone) {
        return;
    }
    CellTexts a = m_a->Cells();
    CellTexts b = m_b->Cells();
    MatrixOutcome outcome;
    if (!Evaluating([&] { outcome = m_calculator.Compute(a, b); })) {
        return;
    }
    const bool usesB = OperationInfo(operation).usesB;
    m_a->WriteCells(a);  // empty cells now read "0"
    if (usesB) {
        m_b->WriteCells(b);
    }
    switch (outcome.kind) {
        case MatrixOutcome::Kind::kNothing:
            return;
        case MatrixOutcome::Kind::kCellFailed: {
            MatrixGridPanel* panel = outcome.grid == 'A' ? m_a : m_b;
            QTableWidget* grid = panel->Grid();
            grid->setFocus();
            grid->setCurrentCell(outcome.row - 1, outcome.col - 1);
            Warn(FromEngine(outcome.message));
            return;
        }
        case MatrixOutcome::Kind::kFailed:
            if (operation == MatrixOperation::kSolve) {
                m_c->ClearFirstColumn();
            }
            Warn(FromEngine(outcome.message));
            return;
        case MatrixOutcome::Kind::kDone:
            break;
    }
    m_c->SetCells(outcome.c);
    RefreshRepository();
    // What Print prints: the operands as computed and the result as shown.
    const auto& repository = m_calculator.Repository();
    const std::size_t operands = usesB ? 2 : 1;
    m_printedTitle = m_operationText->text();
    m_printed.clear();
    for (std::size_t k = 0; k < operands; ++k) {
        const RepositoryEntry& entry = repository[repository.size() - 1 - operands + k];
        MatrixGridPanel* panel = k == 0 ? m_a : m_b;
        m_printed.push_back({"Matrix " + panel->Name(), panel->Name(), FormatCells(entry.matrix)});
    }
    m_printed.push_back({"Matrix " + m_c->Name(), m_c->Name(), outcome.c});
    SetResultActions(true);
}

}  // namespace kalvo
