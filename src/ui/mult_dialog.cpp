#include "ui/mult_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_service.h"
#include "ui/help_contexts.h"
#include "ui/theme_colors.h"

namespace kalvo {

TfmMult::TfmMult(DialogService& dialogs, QWidget* parent) : QDialog(parent), m_dialogs(dialogs) {
    setObjectName("TfmMult");
    setWindowTitle(QStringLiteral("Expession"));
    setModal(true);

    m_name = new QLabel(this);
    m_name->setObjectName("lbName");
    m_text = new QLineEdit(this);
    m_text->setObjectName("edExpression");
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 40);
    m_error = new QLabel(this);
    m_error->setObjectName("lbError");
    m_error->setWordWrap(true);
    m_error->setVisible(false);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName("bbOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName("bbCancel");
    cancel->setAutoDefault(false);
    auto* help = new QPushButton(tr("&Help"), this);
    help->setObjectName("bbHelp");
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { m_dialogs.ShowHelp(this, kHelpMatrixPrompt); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* line = new QHBoxLayout;
    line->addWidget(m_name);
    line->addWidget(m_text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(m_error);
    layout->addLayout(buttons);
}

void TfmMult::Prepare(const QString& caption, const QString& name, const QString& text) {
    setWindowTitle(caption);
    m_name->setText(name);
    m_text->setText(text);
    m_text->selectAll();
    m_error->clear();
    m_error->setVisible(false);
    setResult(QDialog::Rejected);
}

void TfmMult::ShowError(const QString& message, int selectStart, int selectLength) {
    QPalette red = m_error->palette();
    red.setColor(QPalette::WindowText, ErrorColor(red));
    m_error->setPalette(red);
    m_error->setText(message);
    m_error->setVisible(true);
    m_text->setFocus();
    m_text->setSelection(selectStart, selectLength);
}

QString TfmMult::Text() const {
    return m_text->text();
}

QString TfmMult::Error() const {
    return m_error->text();
}

void TfmMult::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_text->setFocus();
}

void TfmMult::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        m_dialogs.ShowHelp(this, kHelpMatrixPrompt);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kalvo
