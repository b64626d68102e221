#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "matrix/matrix_calculator.h"
#include "ui/matrix_print.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kalvo {

class DialogService;
class MatrixGridPanel;
class TfmCalc;
class TfmMult;

/// The matrix window "Matrix": the operand grids A and B and the result grid C, whose
/// cells hold expressions for the real engine, the nine operation buttons and "=", the
/// repository R of earlier operands and results, and the grid tools (copy between grids,
/// transpose, rows and columns, clipboard, text file, print). An operation button only
/// chooses the operation (asking for r, n or f first); "=" computes. What it computes
/// lives in MatrixCalculator; the window holds widgets and wiring. It is created once
/// with the main window, whose engine it shares, and kept for the whole run.
class TfmMatrix : public QWidget {
    Q_OBJECT
  public:
    TfmMatrix(TfmCalc& calculator, DialogService& dialogs, QWidget* parent = nullptr);

    MatrixCalculator& Calculator() { return m_calculator; }
    TfmMult& Prompt() { return *m_prompt; }
    MatrixGridPanel& PanelA() { return *m_a; }
    MatrixGridPanel& PanelB() { return *m_b; }
    MatrixGridPanel& PanelC() { return *m_c; }

    /// An operation button: asks for r, n or f where the operation needs one (Cancel
    /// keeps the previous operation), then chooses it.
    void OperationClicked(MatrixOperation operation);
    /// Chooses an operation without asking: empty count fields become 4, the panels it
    /// needs show, the focus goes to grid A, printing and saving wait for a result.
    void ChooseOperation(MatrixOperation operation);
    /// "=".
    void Compute();

    // Grid tools.
    void CopyGrid(MatrixGridPanel& from, MatrixGridPanel& to);
    void CopyRepository(MatrixGridPanel& to);
    void Transpose();
    void CopyToClipboard(MatrixGridPanel& panel);
    void PasteFromClipboard(MatrixGridPanel& panel);
    /// Writes the text file; false (after a message) when it cannot be created.
    bool SaveToFile(const QString& path);
    void SaveToTextFile();
    void Print();
    void PrintRepository();

    /// The grid the row, column and transpose tools act on (nullptr after clicking C).
    MatrixGridPanel* ActivePanel() const { return m_active; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* BuildOperationButtons();
    QWidget* BuildRepository();
    QWidget* BuildTools();
    void SetActive(MatrixGridPanel* panel);
    void SizeEntered(MatrixGridPanel& panel, bool rows);
    void NameEdited();
    void ShowOperationText(bool renamed);
    void RefreshRepository();
    void SetResultActions(bool enabled);
    /// Shows the prompt until `check` accepts its text; false when cancelled.
    bool Ask(const QString& caption, const QString& name, const QString& text,
             const std::function<PromptCheck(const std::string&)>& check, PromptCheck& accepted,
             QString& typed);
    /// Runs an engine evaluation as the main window does (its Break button enabled);
    /// false when the engine is busy with another one.
    bool Evaluating(const std::function<void()>& work);
    void Warn(const QString& message);

    TfmCalc& m_main;
    DialogService& m_dialogs;
    MatrixCalculator m_calculator;
    MatrixGridPanel* m_a;
    MatrixGridPanel* m_b;
    MatrixGridPanel* m_c;
    MatrixGridPanel* m_active = nullptr;
    QLabel* m_operationText;
    QLabel* m_activeLabel;
    QListWidget* m_repository;
    std::vector<QPushButton*> m_activeTools;  ///< act on the active grid
    std::vector<QPushButton*> m_resultTools;  ///< need a result: print, save
    QPushButton* m_printRepository = nullptr;
    TfmMult* m_prompt;
    bool m_busy = false;
    /// The operation text, operands and result of the last computation, for printing.
    QString m_printedTitle;
    std::vector<PrintedTable> m_printed;
};

}  // namespace kalvo
