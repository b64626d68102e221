#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kalvo {

class DialogService;

/// The small prompt of the matrix window for the scale factor r, the power n and the
/// function f(A): one edit line with OK, Cancel and Help. The window checks the text
/// after OK and shows the prompt again, with the reason, while the text is refused.
class TfmMult : public QDialog {
    Q_OBJECT
  public:
    TfmMult(DialogService& dialogs, QWidget* parent = nullptr);

    /// Fills the prompt before it is shown: caption, the name of what is asked ("r =")
    /// and the text (selected), no error.
    void Prepare(const QString& caption, const QString& name, const QString& text);
    /// Shows why the text was refused and selects the span at fault.
    void ShowError(const QString& message, int selectStart, int selectLength);
    QString Text() const;
    QString Error() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    DialogService& m_dialogs;
    QLabel* m_name;
    QLineEdit* m_text;
    QLabel* m_error;
};

}  // namespace kalvo
