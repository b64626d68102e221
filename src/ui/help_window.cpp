#include "ui/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The help pages live in the static ui library, whose resources are not registered by
// themselves.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace kalvo {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setObjectName("HelpWindow");
    setWindowTitle(tr("Kalvo Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName("tbHelp");
    m_browser->setOpenExternalLinks(true);

    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* back = new QPushButton(tr("&Back"), this);
    auto* close = new QPushButton(tr("Close"), this);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { m_browser->setSource(PageFor(0)); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(640, 520);
}

QUrl HelpWindow::PageFor(int context) {
    InitHelpResources();
    const QString path = QStringLiteral(":/help/context_%1.html").arg(context);
    if (QFile::exists(path)) {
        return QUrl(QStringLiteral("qrc") + path);
    }
    return QUrl(QStringLiteral("qrc:/help/context_0.html"));
}

void HelpWindow::ShowContext(int context) {
    m_browser->setSource(PageFor(context));
    show();
    raise();
    activateWindow();
}

}  // namespace kalvo
