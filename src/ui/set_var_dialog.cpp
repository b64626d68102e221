#include "ui/set_var_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/engine.h"
#include "frontend/value_prompt.h"
#include "ui/dialog_service.h"
#include "ui/help_contexts.h"
#include "ui/theme_colors.h"

namespace kalvo {

TSetVar::TSetVar(Engine& engine, DialogService& dialogs, QWidget* parent)
    : ScreenCentredDialog(parent), m_engine(engine), m_dialogs(dialogs) {
    setObjectName("TSetVar");
    setWindowTitle(tr("Set variable"));
    setModal(true);

    m_letter1 = new QLabel(this);
    m_letter1->setObjectName("lbLetter1");
    m_letter2 = new QLabel(this);
    m_letter2->setObjectName("lbLetter2");
    QFont letterFont = m_letter1->font();
    letterFont.setBold(true);
    m_letter1->setFont(letterFont);
    m_letter2->setFont(letterFont);

    m_expression = new QLineEdit(this);
    m_expression->setObjectName("edExpression");
    m_expression->setMinimumWidth(m_expression->fontMetrics().averageCharWidth() * 40);
    m_value = new QLineEdit(this);
    m_value->setObjectName("edValue");
    m_value->setReadOnly(true);
    m_value->setEnabled(false);

    m_evaluateAfter = new QCheckBox(tr("Evaluate after settings"), this);
    m_evaluateAfter->setObjectName("chEvaluateAfter");
    m_evaluateAfter->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("       &OK"), this);
    ok->setObjectName("bbOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("     &Cancel"), this);
    cancel->setObjectName("bbCancel");
    auto* help = new QPushButton(QStringLiteral("       &Help"), this);
    help->setObjectName("bbHelp");
    help->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TSetVar::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { m_dialogs.ShowHelp(this, kHelpVariables); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Expession"), this), 0, 0);
    grid->addWidget(m_letter1, 0, 1);
    grid->addWidget(m_expression, 0, 2);
    grid->addWidget(new QLabel(tr("Value"), this), 1, 0);
    grid->addWidget(m_letter2, 1, 1);
    grid->addWidget(m_value, 1, 2);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_evaluateAfter);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void TSetVar::Prepare(int slot) {
    m_slot = slot;
    const QString letter(QChar::fromLatin1(EngineState::Letter(slot)));
    m_letter1->setText(letter);
    m_letter2->setText(letter);
    m_expression->setText(QString::fromLatin1(m_engine.State().VarText(slot)));
    m_value->setText(QString::fromLatin1(ValuePromptValueText(m_engine, slot)));
    m_value->setEnabled(false);
    m_value->setPalette(palette());
    setResult(QDialog::Rejected);
}

bool TSetVar::EvaluateAfter() const {
    return m_evaluateAfter->isChecked();
}

void TSetVar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_expression->setFocus();
}

void TSetVar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        m_dialogs.ShowHelp(this, kHelpVariables);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TSetVar::OkClick() {
    const std::string typed = m_expression->text().toLatin1().toStdString();
    const ValuePromptOutcome outcome = ValuePromptOk(m_engine, m_slot, typed);
    switch (outcome.action) {
        case ValuePromptOutcome::Action::kClose:
            accept();
            break;
        case ValuePromptOutcome::Action::kStayEmpty:
            m_expression->setFocus();
            break;
        case ValuePromptOutcome::Action::kStayError: {
            m_value->setEnabled(true);
            QPalette red = m_value->palette();
            red.setColor(QPalette::Text, ErrorColor(red));
            m_value->setPalette(red);
            m_value->setText(QString::fromLatin1(outcome.message));
            m_expression->setFocus();
            m_expression->setSelection(outcome.selectStart, outcome.selectLength);
            break;
        }
        case ValuePromptOutcome::Action::kStayFault:
            m_dialogs.MessageBox(this, DialogService::Icon::kError, tr("Kalvo"),
                                 QString::fromLatin1(outcome.message));
            break;
    }
}

}  // namespace kalvo
