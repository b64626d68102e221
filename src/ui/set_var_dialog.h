#pragma once

#include "ui/window_placement.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kalvo {

class DialogService;
class Engine;

/// The value prompt "Set variable": asks for the expression of a variable that an
/// evaluation needs, evaluates it with the same engine and stays open until it succeeds
/// or the user cancels.
class TSetVar : public ScreenCentredDialog {
    Q_OBJECT
  public:
    TSetVar(Engine& engine, DialogService& dialogs, QWidget* parent = nullptr);

    /// Fills the prompt for slot 1..12 before it is shown.
    void Prepare(int slot);
    int Slot() const { return m_slot; }
    /// "Evaluate after settings": read by the main window after the prompt closed.
    bool EvaluateAfter() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OkClick();

    Engine& m_engine;
    DialogService& m_dialogs;
    int m_slot = 1;
    QLabel* m_letter1;
    QLabel* m_letter2;
    QLineEdit* m_expression;
    QLineEdit* m_value;
    QCheckBox* m_evaluateAfter;
};

}  // namespace kalvo
