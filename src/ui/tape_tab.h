#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kalvo {

class DialogService;

/// The "Tape" tab: the paper tape of every calculation, newest line first, with print,
/// copy, cut and save. The memo is the tape; the main window only adds lines at its top.
class TapeTab : public QWidget {
    Q_OBJECT
  public:
    TapeTab(DialogService& dialogs, QWidget* parent = nullptr);

    /// Inserts lines (newest first) above the existing ones.
    void PrependLines(const QStringList& newestFirst);
    /// The tape's lines, top line first.
    QStringList Lines() const;
    /// Writes every line with CR LF; false (after a message box) when the file fails.
    bool SaveToFile(const QString& path);

    QPushButton* PrintButton() const { return m_print; }
    QPlainTextEdit* Memo() const { return m_memo; }

  private:
    void UpdateButtons();
    void Print();
    void Copy();
    void Cut();
    void ToFile();

    DialogService& m_dialogs;
    QPlainTextEdit* m_memo;
    QPushButton* m_print;
    QPushButton* m_copy;
    QPushButton* m_cut;
    QPushButton* m_toFile;
};

}  // namespace kalvo
