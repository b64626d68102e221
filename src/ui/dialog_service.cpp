#include "ui/dialog_service.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/help_window.h"

namespace kalvo {

QtDialogService::QtDialogService() = default;

QtDialogService::~QtDialogService() {
    delete m_help;
}

void QtDialogService::MessageBox(QWidget* parent, Icon icon, const QString& title,
                                 const QString& text) {
    switch (icon) {
        case Icon::kInformation:
            QMessageBox::information(parent, title, text);
            break;
        case Icon::kWarning:
            QMessageBox::warning(parent, title, text);
            break;
        case Icon::kError:
            QMessageBox::critical(parent, title, text);
            break;
    }
}

bool QtDialogService::Question(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogService::GetSaveFileName(QWidget* parent, const QString& title,
                                         const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, StartFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtDialogService::GetOpenFileName(QWidget* parent, const QString& title,
                                         const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, StartFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool QtDialogService::ExecPrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QColor QtDialogService::GetColor(QWidget* parent, const QColor& initial, const QString& title) {
    return QColorDialog::getColor(initial, parent, title);
}

int QtDialogService::ExecDialog(QDialog& dialog) {
    return dialog.exec();
}

void QtDialogService::ShowHelp(QWidget*, int context) {
    if (!m_help) {
        m_help = new HelpWindow();
    }
    m_help->ShowContext(context);
}

bool QtDialogService::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace kalvo
