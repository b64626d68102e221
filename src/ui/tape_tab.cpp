#include "ui/tape_tab.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/dialog_service.h"
#include "ui/help_contexts.h"

namespace kalvo {

namespace {

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TapeTab::TapeTab(DialogService& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs) {
    setObjectName("tsTape");
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName("mmTape");
    m_memo->setReadOnly(true);
    m_memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_print = MakeButton(tr("Print"), "bbPrint", this);
    m_copy = MakeButton(tr("Copy"), "bbCopy", this);
    m_cut = MakeButton(tr("Cut"), "bbCut", this);
    m_toFile = MakeButton(tr("To File..."), "bbToFile", this);
    auto* help = MakeButton(tr("&Help"), "bbTapeHelp", this);

    connect(m_print, &QPushButton::clicked, this, &TapeTab::Print);
    connect(m_copy, &QPushButton::clicked, this, &TapeTab::Copy);
    connect(m_cut, &QPushButton::clicked, this, &TapeTab::Cut);
    connect(m_toFile, &QPushButton::clicked, this, &TapeTab::ToFile);
    connect(help, &QPushButton::clicked, this, [this] { m_dialogs.ShowHelp(this, kHelpTape); });
    connect(m_memo, &QPlainTextEdit::textChanged, this, &TapeTab::UpdateButtons);
    connect(m_memo, &QPlainTextEdit::selectionChanged, this, &TapeTab::UpdateButtons);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_print, m_copy, m_cut, m_toFile, help}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_memo, 1);
    layout->addLayout(buttons);
    UpdateButtons();
}

void TapeTab::PrependLines(const QStringList& newestFirst) {
    if (newestFirst.isEmpty()) {
        return;
    }
    QString text = newestFirst.join(u'\n');
    if (!m_memo->document()->isEmpty()) {
        text += u'\n';
    }
    QTextCursor cursor(m_memo->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(text);
    UpdateButtons();
}

QStringList TapeTab::Lines() const {
    if (m_memo->document()->isEmpty()) {
        return {};
    }
    return m_memo->toPlainText().split(u'\n');
}

void TapeTab::UpdateButtons() {
    const bool hasLines = !m_memo->document()->isEmpty();
    const bool hasSelection = m_memo->textCursor().hasSelection();
    m_print->setEnabled(hasLines);
    m_toFile->setEnabled(hasLines);
    m_copy->setEnabled(hasSelection);
    m_cut->setEnabled(hasSelection);
}

void TapeTab::Print() {
    QPrinter printer;
    if (!m_dialogs.ExecPrintDialog(this, printer)) {
        return;
    }
    QTextDocument document;
    document.setDefaultFont(m_memo->font());
    document.setPlainText(Lines().join(u'\n'));
    document.print(&printer);
}

void TapeTab::Copy() {
    QApplication::clipboard()->clear();
    m_memo->copy();
}

void TapeTab::Cut() {
    QApplication::clipboard()->clear();
    m_memo->setReadOnly(false);
    m_memo->cut();
    m_memo->setReadOnly(true);
    m_memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    UpdateButtons();
}

void TapeTab::ToFile() {
    const QString path = m_dialogs.GetSaveFileName(this, tr("Save to Text File"),
                                                   tr("Text files (*.TXT)"), QStringLiteral("TXT"));
    if (!path.isEmpty()) {
        SaveToFile(path);
    }
}

bool TapeTab::SaveToFile(const QString& path) {
    QFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ok) {
        for (const QString& line : Lines()) {
            ok = ok && file.write(line.toLatin1() + "\r\n") >= 0;
        }
        file.close();
        ok = ok && file.error() == QFileDevice::NoError;
    }
    if (!ok) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             tr("Can't create file ") + path);
    }
    return ok;
}

}  // namespace kalvo
