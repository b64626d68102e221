#include "ui/about_tab.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/dialog_service.h"

namespace kalvo {

AboutTab::AboutTab(DialogService& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs) {
    setObjectName("tsAbout");

    auto* name = new QLabel(QStringLiteral("Kalvo"), this);
    name->setObjectName("lbProduct");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), this);
    version->setObjectName("lbVersion");

    auto* description = new QLabel(
        tr("A scientific calculator for the desktop. Type an expression and press Enter: "
           "real and complex numbers, twelve variables, named constants, a loop construct, "
           "user functions, equation solving, numerical integration, extremum search, "
           "statistics, special functions and unit conversions, with a history, a results "
           "list and a paper tape of every calculation."),
        this);
    description->setObjectName("lbDescription");
    description->setWordWrap(true);

    auto* contact =
        new QLabel(tr("Questions, suggestions and bug reports: %1").arg(MailAddress()), this);
    contact->setObjectName("lbContact");
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* mail = new QPushButton(tr("Send &mail to the maker"), this);
    mail->setObjectName("bbMail");
    connect(mail, &QPushButton::clicked, this, &AboutTab::SendMail);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(description);
    layout->addSpacing(12);
    layout->addWidget(contact);
    layout->addWidget(mail, 0, Qt::AlignLeft);
    layout->addStretch();
}

QString AboutTab::MailAddress() {
    return QStringLiteral("kalvo@example.org");
}

void AboutTab::SendMail() {
    const QUrl url(QStringLiteral("mailto:%1?subject=Kalvo").arg(MailAddress()));
    if (!m_dialogs.OpenUrl(url)) {
        m_dialogs.MessageBox(this, DialogService::Icon::kWarning, tr("Kalvo"),
                             QStringLiteral("Can't find mail routine"));
    }
}

}  // namespace kalvo
