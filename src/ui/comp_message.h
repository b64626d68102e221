#pragma once

#include "ui/window_placement.h"

class QCheckBox;
class QPlainTextEdit;

namespace kalvo {

class DialogService;

/// The "Complex Numbers" notice shown the first time complex mode is chosen in a run.
class TfmCompMess : public ScreenCentredDialog {
    Q_OBJECT
  public:
    explicit TfmCompMess(DialogService& dialogs, QWidget* parent = nullptr);

    /// The notice's text, one entry per line.
    static QStringList MessageLines();

    /// "Display this message every time you start Kalvo".
    bool ShowAgain() const;
    void SetShowAgain(bool on);

  protected:
    /// F1 opens the manual's page on complex mode.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    DialogService& m_dialogs;
    QCheckBox* m_showAgain;
    QPlainTextEdit* m_memo;
};

}  // namespace kalvo
