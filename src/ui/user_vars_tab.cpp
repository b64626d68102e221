#include "ui/user_vars_tab.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include "frontend/calculator_session.h"
#include "frontend/field_evaluation.h"
#include "frontend/settings.h"
#include "frontend/user_vars_file.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/name_filter.h"
#include "ui/tab_layout.h"

namespace kalvo {

namespace {

const QString kUserVarsFilter = QStringLiteral("User variables files (*.USR)");

}  // namespace

UserVarsTab::UserVarsTab(CalculatorSession& session, DialogService& dialogs,
                         std::string settingsFile, std::string currentFile, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_dialogs(dialogs),
      m_settingsFile(std::move(settingsFile)),
      m_currentFile(std::move(currentFile)) {
    setObjectName("tsUserVars");
    const NameListWidgets widgets =
        BuildNameListTab(this, {tr("User define variables"), "edUserVarName", tr("Name"),
                                "edUserVarValue", tr("Value or expression"), "lbUserVars"});
    m_name = widgets.name;
    m_expression = widgets.expression;
    m_list = widgets.list;
    m_name->setMaxLength(static_cast<int>(ConstantList::kMaxNameLength));
    AttachNameFilter(m_name, IsNameLetter);
    m_list->setToolTip(tr("Double click for modify"));
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { LineDoubleClicked(m_list->row(item)); });
    AddNameListButtons(widgets, this, "bbUserVar");
}

void UserVarsTab::ShowLines(int current) {
    m_list->clear();
    for (const std::string& line : m_lines) {
        m_list->addItem(FromEngine(line));
    }
    if (current >= 0 && current < m_list->count()) {
        m_list->setCurrentRow(current);
    }
}

void UserVarsTab::Report(const FileResult& result) {
    if (!result) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QString::fromLocal8Bit(result.message.c_str()));
    }
}

void UserVarsTab::AddModify() {
    if (m_name->text().isEmpty() || m_expression->text().isEmpty()) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QStringLiteral("Varible name or value invalid!"));
        return;
    }
    const std::string name = ToEngine(m_name->text());
    Engine& engine = m_session.GetEngine();
    EngineState& state = engine.State();
    const std::string keptText = state.text;
    state.errorFlag = false;
    const TextEvaluation evaluated = EvaluateText(engine, ToEngine(m_expression->text()));
    state.text = keptText;
    if (evaluated.failed) {
        state.errorFlag = false;
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             FromEngine(evaluated.fault != FloatFault::kNone
                                            ? std::string(FloatFaultMessage(evaluated.fault))
                                            : engine.ErrorText(evaluated.code) + ": position " +
                                                  std::to_string(evaluated.pos)));
        return;
    }
    const StoreConstantResult stored = StoreConstant(state.constants, state.display,
                                                     m_session.Digits(), name, evaluated.value);
    const int row = ApplyToUserVarLines(m_lines, name, stored, true);
    ShowLines(row);
}

void UserVarsTab::ConstantStored(const NamedConstant& record, bool created, bool show) {
    const int row = UpdateUserVarLines(m_lines, m_session.State().display, m_session.Digits(),
                                       record, created, show);
    ShowLines(row >= 0 ? row : m_list->currentRow());
}

void UserVarsTab::LineDoubleClicked(int row) {
    if (row < 0 || row >= static_cast<int>(m_lines.size())) {
        return;
    }
    const UserVarLineParts parts = SplitUserVarLine(m_lines[static_cast<std::size_t>(row)]);
    m_name->setText(FromEngine(parts.name));
    m_expression->setText(FromEngine(parts.valueText));
}

void UserVarsTab::DeleteSelected() {
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem()->isSelected()) {
        return;
    }
    DeleteUserVarLine(m_session.State().constants, m_lines, static_cast<std::size_t>(row));
    ShowLines(std::min(row, static_cast<int>(m_lines.size()) - 1));
}

void UserVarsTab::Save() {
    Report(WriteUserVarsFile(m_currentFile, m_lines));
}

void UserVarsTab::SaveAs() {
    const QString path = m_dialogs.GetSaveFileName(this, QStringLiteral("Save variables to File"),
                                                   kUserVarsFilter, QStringLiteral("USR"));
    if (path.isEmpty()) {
        return;
    }
    const FileResult written = WriteUserVarsFile(FileName(path), m_lines);
    Report(written);
    if (written) {
        Report(SaveFilesPath(m_settingsFile, FilesKey::kVariables, FileName(path)));
    }
}

void UserVarsTab::Load() {
    const QString path = m_dialogs.GetOpenFileName(this, QStringLiteral("Load variables from File"),
                                                   kUserVarsFilter, QStringLiteral("USR"));
    if (!path.isEmpty()) {
        LoadFile(FileName(path));
    }
}

FileResult UserVarsTab::LoadFile(const std::string& path) {
    const FileResult result = LoadUserVarsFile(path, m_session.State().constants, m_lines);
    ShowLines(-1);
    Report(result);
    return result;
}

}  // namespace kalvo
