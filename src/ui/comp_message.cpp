#include "ui/comp_message.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_service.h"
#include "ui/help_contexts.h"

namespace kalvo {

QStringList TfmCompMess::MessageLines() {
    return {
        QStringLiteral("Complex number:"),
        QStringLiteral("     comp(Real, Image) -wher Real and Image is  any real "),
        QStringLiteral("expresion."),
        QString(),
        QStringLiteral("Examples:"),
        QStringLiteral("     comp(integral(1,pi/2,sin(X)),sin(Y)+ln(pi)/2)"),
        QStringLiteral("     sin(comp(1+2/3,pi/4+ln(2)))"),
        QStringLiteral("     comp(sin(pi/2),1+exp(X))/comp(2,0)"),
        QStringLiteral("etc."),
        QString(),
        QStringLiteral("Complex radio group"),
        QStringLiteral("  o Polar  -  Z  =  p * exp(theta*i)   - where theta = -pi..pi in "),
        QStringLiteral("canonical form "),
        QStringLiteral("  o Rect   -  Z  =  X +  Yi "),
    };
}

TfmCompMess::TfmCompMess(DialogService& dialogs, QWidget* parent)
    : ScreenCentredDialog(parent), m_dialogs(dialogs) {
    setObjectName("TfmCompMess");
    setWindowTitle(tr("Complex Numbers"));
    setModal(true);

    m_showAgain = new QCheckBox(tr("Display this message every time you start Kalvo"), this);
    m_showAgain->setObjectName("chShowAgain");
    m_showAgain->setChecked(true);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName("mmMessage");
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_memo->setPlainText(MessageLines().join(u'\n'));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bbOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_memo);
    layout->addWidget(m_showAgain);
    layout->addWidget(buttons);

    const QFontMetrics metrics(m_memo->font());
    resize(metrics.horizontalAdvance(MessageLines().at(11)) + 80, metrics.lineSpacing() * 14 + 110);
}

bool TfmCompMess::ShowAgain() const {
    return m_showAgain->isChecked();
}

void TfmCompMess::SetShowAgain(bool on) {
    m_showAgain->setChecked(on);
}

void TfmCompMess::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        m_dialogs.ShowHelp(this, kHelpComplexMode);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kalvo
