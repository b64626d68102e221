#include "ui/variables_tab.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/calculator_session.h"
#include "frontend/variable_edit.h"
#include "ui/dialog_service.h"
#include "ui/engine_text.h"
#include "ui/help_contexts.h"
#include "ui/tab_layout.h"
#include "ui/theme_colors.h"

namespace kalvo {

VariablesTab::VariablesTab(CalculatorSession& session, DialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs) {
    setObjectName("tsVariables");
    auto* layout = new QVBoxLayout(this);
    AddTabCaption(layout, this, tr("Predefine variables"));

    auto* grid = new QGridLayout;
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        const std::size_t i = Index(slot);
        const int row = slot - 1;
        auto* name =
            new QLabel(QStringLiteral("%1 =").arg(QChar::fromLatin1(kVariableLetters[i])), this);
        auto* expression = new QLineEdit(this);
        expression->setObjectName(QStringLiteral("edVar%1").arg(slot));
        auto* value = new QLineEdit(this);
        value->setObjectName(QStringLiteral("edVal%1").arg(slot));
        value->setEnabled(false);
        auto* calculate = new QPushButton(tr("Calculate"), this);
        calculate->setObjectName(QStringLiteral("bbCalc%1").arg(slot));
        connect(calculate, &QPushButton::clicked, this, [this, slot] { EvaluateRow(slot); });
        connect(expression, &QLineEdit::returnPressed, this, [this, slot] { EvaluateRow(slot); });
        grid->addWidget(name, row, 0);
        grid->addWidget(expression, row, 1);
        grid->addWidget(value, row, 2);
        grid->addWidget(calculate, row, 3);
        m_expression[i] = expression;
        m_value[i] = value;
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    layout->addLayout(grid);

    m_error = new QLabel(this);
    m_error->setObjectName("lbVarError");
    QPalette palette = m_error->palette();
    palette.setColor(QPalette::WindowText, ErrorColor(palette));
    m_error->setPalette(palette);
    layout->addWidget(m_error);

    auto* buttons = new QHBoxLayout;
    auto addButton = [this, buttons](const char* name, const QString& text, auto handler) {
        return AddButton(buttons, this, name, text, handler);
    };
    addButton("bbCalcAll", tr("Calculate &All"), [this] { CalculateAll(); });
    addButton("bbSaveVars", tr("&Save"), [this] { SaveToFile(); });
    addButton("bbLoadVars", tr("&Load"), [this] { LoadFromFile(); });
    addButton("bbVarsHelp", tr("Help"), [this] { m_dialogs.ShowHelp(this, kHelpVariables); });
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void VariablesTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void VariablesTab::ShowValue(int slot) {
    EngineState& state = m_session.State();
    m_value[Index(slot)]->setText(FromEngine(VariableFieldText(
        state.display, m_session.Digits(), state.Var(slot), state.VarText(slot))));
    m_value[Index(slot)]->setCursorPosition(0);
}

void VariablesTab::Refresh() {
    // The fields show the slots again, so an error about an earlier text no longer applies.
    m_error->clear();
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        ShowValue(slot);
        m_expression[Index(slot)]->setText(FromEngine(m_session.State().VarText(slot)));
    }
}

void VariablesTab::EvaluateRow(int slot) {
    QLineEdit* field = m_expression[Index(slot)];
    const VariableEditResult result =
        EvaluateVariableText(m_session.GetEngine(), slot, field->text().toLatin1().toStdString());
    if (!result.evaluated) {
        return;
    }
    if (result.fault) {
        // As the evaluation cycle shows it; the slot keeps its value.
        m_error->clear();
        field->setFocus();
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             FromEngine(result.error));
        return;
    }
    if (!result.ok) {
        m_error->setText(FromEngine(result.error));
        field->setFocus();
        field->setSelection(result.selectStart, result.selectLength);
        return;
    }
    ShowValue(slot);
    m_error->clear();
}

void VariablesTab::CalculateAll() {
    EngineState& state = m_session.State();
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        state.VarText(slot) = m_expression[Index(slot)]->text().toLatin1().toStdString();
        state.Var(slot) = kUndefinedValue;
    }
    for (int slot = 1; slot <= kTabVariableCount; ++slot) {
        EvaluateRow(slot);
        if (m_expression[Index(slot)]->text().isEmpty()) {
            ShowValue(slot);
        }
    }
}

void VariablesTab::SaveToFile() {
    CalculateAll();
    const QString path =
        m_dialogs.GetSaveFileName(this, QStringLiteral("Save variables to File"),
                                  QStringLiteral("Variables files (*.VAR)"), QStringLiteral("VAR"));
    if (path.isEmpty()) {
        return;
    }
    const FileResult result = WriteVariablesFile(QFile::encodeName(path).toStdString(),
                                                 VariablesFromState(m_session.State()));
    if (!result) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QString::fromStdString(result.message));
    }
}

void VariablesTab::LoadFromFile() {
    const QString path = m_dialogs.GetOpenFileName(this, QStringLiteral("Load variables from File"),
                                                   QStringLiteral("User variables files (*.VAR)"),
                                                   QStringLiteral("VAR"));
    if (path.isEmpty()) {
        return;
    }
    VariablesData data;
    const FileResult result = ReadVariablesFile(QFile::encodeName(path).toStdString(), data);
    if (!result) {
        m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                             QString::fromStdString(result.message));
        return;
    }
    ApplyVariables(m_session.State(), data);
    Refresh();
    CalculateAll();
}

}  // namespace kalvo
