#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kalvo {

/// The help browser: bundled HTML pages, one per numeric help context
/// (qrc:/help/context_N.html), with links between them.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// The page of a context; contexts without a page of their own show the main page.
    static QUrl PageFor(int context);

    /// Shows the window at the page of `context` and raises it.
    void ShowContext(int context);
    QTextBrowser* Browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser;
};

}  // namespace kalvo
