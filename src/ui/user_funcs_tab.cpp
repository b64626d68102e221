#include "ui/user_funcs_tab.h"

#include <memory>
#include <vector>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include "engine/user_function.h"
#include "engine/user_functions.h"
#include "frontend/calculator_session.h"
#include "frontend/settings.h"
#include "frontend/user_functions_file.h"
#include "frontend/text_file.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/name_filter.h"
#include "ui/tab_layout.h"

namespace kalvo {

namespace {

constexpr qsizetype kMaxExpressionLength = 255;
const QString kUserFuncsFilter = QStringLiteral("User functions files (*.FNC)");

}  // namespace

UserFuncsTab::UserFuncsTab(CalculatorSession& session, DialogService& dialogs,
                           std::string settingsFile, std::string currentFile, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_dialogs(dialogs),
      m_settingsFile(std::move(settingsFile)),
      m_currentFile(std::move(currentFile)) {
    setObjectName("tsUserFuncs");
    const NameListWidgets widgets = BuildNameListTab(
        this, {tr("User define functions"), "edUserFuncName", tr("Name(parameters)"),
               "edUserFuncBody", tr("Expression;comment"), "lbUserFuncs"});
    m_name = widgets.name;
    m_expression = widgets.expression;
    m_list = widgets.list;
    m_name->setPlaceholderText(QStringLiteral("f(x,y)"));
    AttachNameFilter(m_name, IsFunctionHeadCharacter);
    m_expression->setPlaceholderText(QStringLiteral("x^2+y;comment"));
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { LineClicked(m_list->row(item)); });
    AddNameListButtons(widgets, this, "bbUserFunc");
}

QStringList UserFuncsTab::Lines() const {
    QStringList lines;
    for (int i = 0; i < m_list->count(); ++i) {
        lines << m_list->item(i)->text();
    }
    return lines;
}

void UserFuncsTab::ShowFunctions() {
    UserFunctions& functions = m_session.GetEngine().Functions();
    m_list->clear();
    for (int i = 0; i < functions.Count(); ++i) {
        m_list->addItem(FromEngine(functions.Items(i).DefinitionText()));
    }
}

void UserFuncsTab::LineClicked(int row) {
    if (row < 0) {
        return;
    }
    const QString line = m_list->item(row)->text();
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) {
        m_name->setText(line.trimmed());
        m_expression->clear();
        return;
    }
    m_name->setText(line.left(equals).trimmed());
    m_expression->setText(line.mid(equals + 1, kMaxExpressionLength).trimmed());
}

void UserFuncsTab::AddModify() {
    const std::string text = ToEngine(m_name->text()) + " = " + ToEngine(m_expression->text());
    auto function = std::make_unique<TUserFunc>(text);
    if (!function->Valid()) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, tr("Kalvo"),
                             FromEngine(function->TooManyParameters()
                                            ? TooManyParametersMessage(text)
                                            : "Invalid user function " + text));
        return;
    }
    UserFunctions& functions = m_session.GetEngine().Functions();
    for (int i = 0; i < functions.Count(); ++i) {
        if (functions.Items(i).Name() == function->Name()) {
            functions.Remove(i);
            break;
        }
    }
    functions.Insert(0, std::move(function));
    ShowFunctions();
    m_list->setCurrentRow(0);
}

void UserFuncsTab::DeleteSelected() {
    const int row = m_list->currentRow();
    UserFunctions& functions = m_session.GetEngine().Functions();
    if (row < 0 || row >= functions.Count() || !m_list->currentItem()->isSelected()) {
        return;
    }
    functions.Remove(row);
    delete m_list->takeItem(row);
}

void UserFuncsTab::Save() {
    std::vector<std::string> lines;
    for (const QString& line : Lines()) {
        lines.push_back(ToEngine(line));
    }
    const FileResult result = WriteTextLines(m_currentFile, lines);
    if (!result) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QString::fromLocal8Bit(result.message.c_str()));
    }
}

void UserFuncsTab::SaveAs() {
    const QString path = m_dialogs.GetSaveFileName(this, QStringLiteral("Save functions to File"),
                                                   kUserFuncsFilter, QStringLiteral("FNC"));
    if (path.isEmpty()) {
        return;
    }
    std::vector<std::string> lines;
    for (const QString& line : Lines()) {
        lines.push_back(ToEngine(line));
    }
    FileResult result = WriteTextLines(FileName(path), lines);
    if (result) {
        result = SaveFilesPath(m_settingsFile, FilesKey::kFunctions, FileName(path));
    }
    if (!result) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QString::fromLocal8Bit(result.message.c_str()));
    }
}

void UserFuncsTab::Load() {
    const QString path = m_dialogs.GetOpenFileName(this, QStringLiteral("Load functions from File"),
                                                   kUserFuncsFilter, QStringLiteral("FNC"));
    if (!path.isEmpty()) {
        LoadFile(FileName(path), true);
    }
}

void UserFuncsTab::LoadFile(const std::string& path, bool report) {
    std::vector<std::string> messages;
    LoadUserFunctionsFile(m_session.GetEngine().Functions(), path,
                          [&messages](const std::string& message) { messages.push_back(message); });
    ShowFunctions();
    if (report) {
        for (const std::string& message : messages) {
            m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                                 QString::fromLocal8Bit(message.c_str()));
        }
    }
}

}  // namespace kalvo
