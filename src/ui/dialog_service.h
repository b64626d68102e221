#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class QDialog;
class QPrinter;
class QWidget;

namespace kalvo {

/// Every modal interaction of the windows goes through this interface: message boxes,
/// questions, file pickers, the print dialog, modal dialogs, help and external URLs.
/// The application uses `QtDialogService`; tests install a fake that answers from a
/// script, so that no test ever blocks on a modal box.
class DialogService {
  public:
    enum class Icon { kInformation, kWarning, kError };

    virtual ~DialogService() = default;

    virtual void MessageBox(QWidget* parent, Icon icon, const QString& title,
                            const QString& text) = 0;
    /// A Yes/No question; true for Yes.
    virtual bool Question(QWidget* parent, const QString& title, const QString& text) = 0;
    /// A save-file picker that asks before overwriting; empty when cancelled.
    virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) = 0;
    /// An open-file picker for an existing file; empty when cancelled.
    virtual QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) = 0;
    /// The folder where the file pickers start (Kalvo's home folder).
    virtual void SetStartFolder(const QString& folder) { m_startFolder = folder; }
    const QString& StartFolder() const { return m_startFolder; }
    /// The print dialog for `printer`; true when the user chose to print.
    virtual bool ExecPrintDialog(QWidget* parent, QPrinter& printer) = 0;
    /// Runs a modal dialog and returns its result code (QDialog::Accepted or Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
    /// Opens the help window at a help context (ui/help_contexts.h). Asked from a modal
    /// dialog, the help stays usable while the dialog is open.
    virtual void ShowHelp(QWidget* parent, int context) = 0;
    /// Hands a URL (mailto:, file:) to the desktop; false when nothing can open it.
    virtual bool OpenUrl(const QUrl& url) = 0;

  private:
    QString m_startFolder;
};

/// The real dialogs of Qt and the desktop.
class QtDialogService : public DialogService {
  public:
    QtDialogService();
    ~QtDialogService() override;

    void MessageBox(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    bool Question(QWidget* parent, const QString& title, const QString& text) override;
    QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix) override;
    QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix) override;
    bool ExecPrintDialog(QWidget* parent, QPrinter& printer) override;
    int ExecDialog(QDialog& dialog) override;
    void ShowHelp(QWidget* parent, int context) override;
    bool OpenUrl(const QUrl& url) override;

  private:
    QPointer<class HelpWindow> m_help;
};

}  // namespace kalvo
