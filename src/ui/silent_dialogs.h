#pragma once

#include "ui/dialog_service.h"

namespace kalvo {

/// A dialog service for unattended runs (pictures, plots from the command line): every
/// question is answered with No and nothing opens.
class SilentDialogs : public DialogService {
  public:
    void MessageBox(QWidget*, Icon, const QString&, const QString&) override {}
    bool Question(QWidget*, const QString&, const QString&) override { return false; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool ExecPrintDialog(QWidget*, QPrinter&) override { return false; }
    QColor GetColor(QWidget*, const QColor&, const QString&) override { return {}; }
    int ExecDialog(QDialog&) override { return 0; }
    void ShowHelp(QWidget*, int) override {}
    bool OpenUrl(const QUrl&) override { return false; }
};

}  // namespace kalvo
