#pragma once

#include <array>

#include <QWidget>

#include "engine/engine_state.h"
#include "frontend/variables_file.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kalvo {

class CalculatorSession;
class DialogService;

/// The "Variables" tab ("Predefine variables"): one row per variable X, Y, Z, V, W, I, J,
/// K, M, N with its expression, its value and a "Calculate" button, and the buttons to
/// calculate all rows and to save and load the variables file.
class VariablesTab : public QWidget {
    Q_OBJECT
  public:
    VariablesTab(CalculatorSession& session, DialogService& dialogs, QWidget* parent = nullptr);

    /// Shows every slot's expression and value ("Undefind" for a slot without either).
    void Refresh();
    /// Evaluates the expression field of slot 1..10 into the slot; an error goes to the
    /// error label. Also the engine's callback for a slot that has an expression but no
    /// value, so it leaves the engine's expression text alone.
    void EvaluateRow(int slot);
    /// "Calculate All": the fields become the slots' expressions, then every row is
    /// evaluated from the top, so a row may use the rows above it.
    void CalculateAll();
    /// "Save": calculates all rows, then writes the variables file chosen by the user.
    void SaveToFile();
    /// "Load": reads a variables file chosen by the user and calculates all rows.
    void LoadFromFile();

    QLineEdit* ExpressionField(int slot) const { return m_expression[Index(slot)]; }
    QLineEdit* ValueField(int slot) const { return m_value[Index(slot)]; }
    QLabel* ErrorLabel() const { return m_error; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }
    void ShowValue(int slot);

    CalculatorSession& m_session;
    DialogService& m_dialogs;
    std::array<QLineEdit*, kTabVariableCount> m_expression{};
    std::array<QLineEdit*, kTabVariableCount> m_value{};
    QLabel* m_error = nullptr;
};

}  // namespace kalvo
