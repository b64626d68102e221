#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

namespace kalvo {

/// The "Complex Numbers" notice shown the first time complex mode is chosen in a run.
class TfmCompMess : public QDialog {
    Q_OBJECT
  public:
    explicit TfmCompMess(QWidget* parent = nullptr);

    /// The notice's text, one entry per line.
    static QStringList MessageLines();

    /// "Display this message every time you start Kalvo".
    bool ShowAgain() const;
    void SetShowAgain(bool on);

  private:
    QCheckBox* m_showAgain;
    QPlainTextEdit* m_memo;
};

}  // namespace kalvo
