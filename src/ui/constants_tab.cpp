#include "ui/constants_tab.h"
#include "ui/engine_text.h"
#include "ui/tab_layout.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "frontend/constants_file.h"
#include "ui/dialog_service.h"
#include "ui/help_contexts.h"

namespace kalvo {

ConstantsTab::ConstantsTab(DialogService& dialogs, std::string stem,
                           std::function<void(const QString&)> paste, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_stem(std::move(stem)), m_paste(std::move(paste)) {
    setObjectName("tsConstants");
    auto* layout = new QVBoxLayout(this);
    auto* findRow = new QHBoxLayout;
    m_find = new QLineEdit(this);
    m_find->setObjectName("edFind");
    m_find->setPlaceholderText(tr("Beginning of a constant's name"));
    auto* findLabel = new QLabel(tr("Find"), this);
    findLabel->setBuddy(m_find);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 1);
    layout->addLayout(findRow);
    // Only the user's typing searches; a warning for every programmatic change would be noise.
    connect(m_find, &QLineEdit::textEdited, this, &ConstantsTab::Search);

    m_list = new QListWidget(this);
    m_list->setObjectName("lbConstants");
    m_list->setToolTip(tr("Click to paste the value into the input line"));
    connect(m_list, &QListWidget::itemClicked, this, [this] { PasteSelected(); });

    auto* buttons = new QVBoxLayout;
    auto addButton = [this, buttons](const char* name, const QString& text, auto handler) {
        return AddButton(buttons, this, name, text, handler);
    };
    addButton("bbPaste", tr("&Paste"), [this] { PasteSelected(); });
    addButton("bbEdit", tr("&Edit"), [this] { EditFile(); });
    m_reload = addButton("bbReload", tr("&Reload"), [this] { Reload(); });
    m_reload->setEnabled(false);
    addButton("bbConstantsHelp", tr("Help"), [this] { m_dialogs.ShowHelp(this, kHelpConstants); });
    buttons->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addLayout(buttons);
    layout->addLayout(body, 1);
}

void ConstantsTab::ShowLines() {
    m_list->clear();
    for (const std::string& line : m_lines) {
        m_list->addItem(FromEngine(line));
    }
}

FileResult ConstantsTab::LoadFile() {
    const FileResult result = LoadConstantsFile(m_stem, m_lines);
    ShowLines();
    return result;
}

void ConstantsTab::Search(const QString& text) {
    const ConstantSearchResult found = SearchConstant(m_lines, text.toLatin1().toStdString());
    if (!found.found) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, tr("Kalvo"),
                             FromEngine(found.warning));
        return;
    }
    m_list->setCurrentRow(static_cast<int>(found.index));
    m_list->scrollToItem(m_list->currentItem());
}

void ConstantsTab::PasteSelected() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_lines.size())) {
        return;
    }
    m_paste(FromEngine(ConstantPasteText(m_lines[static_cast<std::size_t>(row)])));
}

void ConstantsTab::EditFile() {
    const QString path = QFile::decodeName(QByteArray::fromStdString(m_stem + ".CON"));
    if (!m_dialogs.OpenUrl(QUrl::fromLocalFile(path))) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, tr("Kalvo"),
                             QStringLiteral("Can't open file ") + path);
    }
    m_reload->setEnabled(true);
}

void ConstantsTab::Reload() {
    const FileResult result = LoadFile();
    if (!result) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, tr("Kalvo"),
                             QString::fromLocal8Bit(result.message.c_str()));
    }
    m_reload->setEnabled(false);
}

}  // namespace kalvo
