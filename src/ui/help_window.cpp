#include "ui/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

#include "frontend/shipped_data.h"
#include "ui/help_contexts.h"

namespace kalvo {

HelpWindow::HelpWindow(QWidget* parent, const QString& folder)
    : QWidget(parent, Qt::Window), m_folder(folder) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Kalvo Help"));
    // An open manual must not keep the program running once the calculator is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName("tbHelp");
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_folder});

    auto* contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName("bbHelpContents");
    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName("bbHelpBack");
    auto* forward = new QPushButton(tr("&Forward"), this);
    forward->setObjectName("bbHelpForward");
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("bbHelpClose");
    back->setEnabled(false);
    forward->setEnabled(false);
    m_search = new QLineEdit(this);
    m_search->setObjectName("edHelpSearch");
    m_search->setPlaceholderText(tr("Search the manual"));
    m_search->setClearButtonEnabled(true);

    connect(contents, &QPushButton::clicked, this, [this] {
        m_search->clear();
        m_browser->setSource(PageFor(kHelpContents));
    });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_search, &QLineEdit::textEdited, this, &HelpWindow::Search);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(m_search, 1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(720, 560);

    LoadIndex();
}

QString HelpWindow::HelpFolder() {
    const std::string data =
        FindShippedData(RunningExecutable(), ConfiguredDataLayout(), "help/index.html");
    return data.empty() ? QString() : QFile::decodeName(QByteArray::fromStdString(data + "/help"));
}

void HelpWindow::LoadIndex() {
    if (m_folder.isEmpty()) {
        return;
    }
    const QDir folder(m_folder);
    for (const QString& name :
         folder.entryList({QStringLiteral("*.html")}, QDir::Files | QDir::Readable, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(kMaxHelpPageBytes)) {
            continue;  // not a page of the manual
        }
        const QByteArray html = file.read(qint64(kMaxHelpPageBytes));
        m_index.Add(ExtractHelpPage(name.toStdString(),
                                    std::string_view(html.constData(), std::size_t(html.size()))));
    }
}

QUrl HelpWindow::PageFor(int context) const {
    const QString page =
        QString::fromLatin1(HelpPageFor(context).data(), qsizetype(HelpPageFor(context).size()));
    const qsizetype hash = page.indexOf(u'#');
    QUrl url = QUrl::fromLocalFile(QDir(m_folder).filePath(hash < 0 ? page : page.left(hash)));
    if (hash >= 0) {
        url.setFragment(page.mid(hash + 1));
    }
    return url;
}

void HelpWindow::ShowMissingPages() {
    const QString where = m_folder.isEmpty()
                              ? tr("beside the program, in its installed data folder (%1)")
                                    .arg(QString::fromStdString(ConfiguredDataLayout().binToData))
                              : m_folder;
    m_browser->setHtml(tr("<h2>The manual is not installed</h2><p>Kalvo looked for its help "
                          "pages %1 and found none. Reinstall Kalvo, or keep the folder "
                          "<i>help</i> beside the program.</p>")
                           .arg(where.toHtmlEscaped()));
}

void HelpWindow::ShowContext(int context) {
    if (HasPages()) {
        m_browser->setSource(PageFor(context));
    } else {
        ShowMissingPages();
    }
    StayAboveModalDialog();
    show();
    raise();
    activateWindow();
}

void HelpWindow::StayAboveModalDialog() {
    // An application-modal dialog blocks every window that is not its own: making the
    // dialog this window's transient parent lets the help take clicks and keys (and stay
    // above the dialog) while the dialog waits. Without a modal dialog it stands alone.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) {
        return;
    }
    winId();  // the native window must exist to carry the relation
    QWindow* own = windowHandle();
    QWindow* owner = modal ? modal->window()->windowHandle() : nullptr;
    if (own && own->transientParent() != owner) {
        own->setTransientParent(owner);
    }
}

void HelpWindow::Search(const QString& text) {
    if (text.trimmed().isEmpty()) {
        m_browser->setSource(PageFor(kHelpContents));
        return;
    }
    const QByteArray query = text.toUtf8();
    const std::vector<HelpHit> hits =
        m_index.Search(std::string_view(query.constData(), std::size_t(query.size())));
    const QString base = QUrl::fromLocalFile(m_folder + u'/').toString();
    const std::string page = HelpResultsPage(
        std::string_view(query.constData(), std::size_t(query.size())), hits, base.toStdString());
    m_browser->setHtml(QString::fromStdString(page));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        m_browser->setSource(PageFor(kHelpContents));
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kalvo
