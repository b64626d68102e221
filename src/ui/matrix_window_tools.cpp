// The grid tools of the matrix window: copies between the grids and from the
// repository, transposing, the clipboard, the text file and printing.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QTableWidget>

#include "frontend/atomic_file.h"
#include "frontend/print_margins.h"
#include "matrix/matrix_text.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/main_window.h"
#include "ui/matrix_grid_panel.h"
#include "ui/matrix_window.h"

namespace kalvo {

namespace {

/// Paste reads at most this many characters of the clipboard.
constexpr int kPasteLimit = 64000;

}  // namespace

void TfmMatrix::CopyGrid(MatrixGridPanel& from, MatrixGridPanel& to) {
    to.WriteCells(from.Cells());
}

void TfmMatrix::CopyRepository(MatrixGridPanel& to) {
    const int row = m_repository->currentRow();
    if (row < 0 || row >= static_cast<int>(m_calculator.Repository().size())) {
        return;
    }
    to.WriteCells(FormatCells(m_calculator.Repository()[static_cast<std::size_t>(row)].matrix));
}

void TfmMatrix::Transpose() {
    if (m_active != nullptr) {
        m_active->SetCells(Transposed(m_active->Cells()));
    }
}

void TfmMatrix::CopyToClipboard(MatrixGridPanel& panel) {
    QApplication::clipboard()->setText(FromEngine(ClipboardText(panel.Cells())));
}

void TfmMatrix::PasteFromClipboard(MatrixGridPanel& panel) {
    const std::string text = ToEngine(QApplication::clipboard()->text().left(kPasteLimit));
    const MatrixTextResult read = ReadMatrixText(text, {kPasteLimit, kPasteLimit, text.size()});
    if (!read.ok) {
        Warn(FromEngine(read.error));
        return;
    }
    // Field k of line m goes k columns right of and m rows below the current cell; what
    // falls outside the grid is dropped, and empty fields leave their cell alone.
    QTableWidget* grid = panel.Grid();
    const int top = std::max(grid->currentRow(), 0);
    const int left = std::max(grid->currentColumn(), 0);
    CellTexts cells = panel.Cells();
    for (std::size_t m = 0; m < read.rows.size(); ++m) {
        for (std::size_t k = 0; k < read.rows[m].size(); ++k) {
            const std::size_t row = static_cast<std::size_t>(top) + m;
            const std::size_t col = static_cast<std::size_t>(left) + k;
            if (row < cells.size() && col < cells[row].size() && !read.rows[m][k].empty()) {
                cells[row][col] = read.rows[m][k];
            }
        }
    }
    panel.WriteCells(cells);
}

bool TfmMatrix::SaveToFile(const QString& path) {
    const CellTexts a = m_a->Cells();
    const CellTexts b = m_b->Cells();
    const CellTexts c = m_c->Cells();
    std::vector<NamedCells> matrices{{ToEngine(m_a->Name()), &a}};
    const MatrixOperation operation = m_calculator.Operation();
    if (operation != MatrixOperation::kNone && OperationInfo(operation).usesB) {
        matrices.push_back({ToEngine(m_b->Name()), &b});
    }
    matrices.push_back({ToEngine(m_c->Name()), &c});
    const std::string text = MatrixFileText(ToEngine(m_operationText->text()), matrices);
    if (!WriteFileAtomic(FileName(path), text)) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, windowTitle(),
                             QStringLiteral("Can not create file ") + path);
        return false;
    }
    return true;
}

void TfmMatrix::SaveToTextFile() {
    const QString path = m_dialogs.GetSaveFileName(this, QStringLiteral("Save to Text File"),
                                                   tr("Text files (*.TXT)"), QStringLiteral("TXT"));
    if (!path.isEmpty()) {
        SaveToFile(path);
    }
}

namespace {

PrintMargins MarginsOf(const TfmCalc& main) {
    IniFile ini;
    ini.Load(main.Home().SettingsFile());  // a missing file gives the defaults
    return LoadPrintMargins(ini);
}

}  // namespace

void TfmMatrix::Print() {
    if (m_printed.empty()) {
        return;
    }
    QPrinter printer;
    if (m_dialogs.ExecPrintDialog(this, printer) &&
        !PrintMatrixTables(printer, m_printedTitle, m_printed, MarginsOf(m_main))) {
        Warn(tr("The printer could not be opened"));
    }
}

void TfmMatrix::PrintRepository() {
    const int row = m_repository->currentRow();
    if (row < 0 || row >= static_cast<int>(m_calculator.Repository().size())) {
        return;
    }
    const RepositoryEntry& entry = m_calculator.Repository()[static_cast<std::size_t>(row)];
    const QString label = FromEngine(entry.label);
    QPrinter printer;
    if (m_dialogs.ExecPrintDialog(this, printer) &&
        !PrintMatrixTables(
            printer, label,
            {{QStringLiteral("Matrix ") + label, QStringLiteral("R"), FormatCells(entry.matrix)}},
            MarginsOf(m_main))) {
        Warn(tr("The printer could not be opened"));
    }
}

}  // namespace kalvo
