#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QDialog>
#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

#include "ui/dialog_service.h"

namespace kalvo {

/// A dialog service for tests: every modal interaction is answered by a script the test
/// installs; one without a script fails the test instead of blocking.
class FakeDialogs : public DialogService {
public:
    std::function<int(QDialog&)> onDialog;
    std::function<bool(const QString&)> onQuestion;
    std::function<QString(const QString& title)> onSaveFile;
    std::function<QString(const QString& title)> onOpenFile;
    std::function<bool(QPrinter&)> onPrint;
    std::function<bool(const QUrl&)> onOpenUrl;
    std::function<QColor(const QColor& initial)> onColor;
    bool messagesExpected = false;

    std::vector<QString> messages;
    std::vector<QString> questions;
    /// Title and filter of every file picker, in order.
    std::vector<std::pair<QString, QString>> fileDialogs;
    std::vector<QUrl> openedUrls;
    std::vector<int> helpContexts;
    int dialogsShown = 0;

    void MessageBox(QWidget*, Icon, const QString& title, const QString& text) override {
        messages.push_back(text);
        if (!messagesExpected) {
            ADD_FAILURE() << "unexpected message box \"" << title.toStdString() << "\": "
                          << text.toStdString();
        }
    }
    bool Question(QWidget*, const QString&, const QString& text) override {
        questions.push_back(text);
        if (!onQuestion) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        return onQuestion(text);
    }
    QString GetSaveFileName(QWidget*, const QString& title, const QString& filter,
                            const QString&) override {
        fileDialogs.emplace_back(title, filter);
        if (!onSaveFile) {
            ADD_FAILURE() << "unexpected save dialog: " << title.toStdString();
            return {};
        }
        return onSaveFile(title);
    }
    QString GetOpenFileName(QWidget*, const QString& title, const QString& filter,
                            const QString&) override {
        fileDialogs.emplace_back(title, filter);
        if (!onOpenFile) {
            ADD_FAILURE() << "unexpected open dialog: " << title.toStdString();
            return {};
        }
        return onOpenFile(title);
    }
    bool ExecPrintDialog(QWidget*, QPrinter& printer) override {
        if (!onPrint) {
            ADD_FAILURE() << "unexpected print dialog";
            return false;
        }
        return onPrint(printer);
    }
    QColor GetColor(QWidget*, const QColor& initial, const QString& title) override {
        if (!onColor) {
            ADD_FAILURE() << "unexpected colour dialog: " << title.toStdString();
            return {};
        }
        return onColor(initial);
    }
    int ExecDialog(QDialog& dialog) override {
        ++dialogsShown;
        if (!onDialog) {
            ADD_FAILURE() << "unexpected modal dialog " << dialog.objectName().toStdString();
            return QDialog::Rejected;
        }
        return onDialog(dialog);
    }
    void ShowHelp(QWidget*, int context) override { helpContexts.push_back(context); }
    bool OpenUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        if (!onOpenUrl) {
            ADD_FAILURE() << "unexpected URL " << url.toString().toStdString();
            return false;
        }
        return onOpenUrl(url);
    }
};

}  // namespace kalvo
