#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include "frontend/help_index.h"

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace kalvo {

/// The manual: the HTML pages of the help folder with links between them, the contents
/// page, a search field that finds pages by their words, and Back, Forward and Close.
/// The window stays usable when a modal dialog asked for it (the value prompt's Help).
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    /// `folder` holds the pages; by default the installed help folder (see HelpFolder).
    explicit HelpWindow(QWidget* parent = nullptr, const QString& folder = HelpFolder());

    /// The help folder that ships with the program: "help" beside it (a portable folder),
    /// in its installed data folder, or in the source tree for a program run from the
    /// build tree. Empty when none of them holds the pages.
    static QString HelpFolder();

    /// The page (with its anchor) of a help context; an unknown context gives the contents.
    QUrl PageFor(int context) const;

    /// Shows the window at the page of `context` and raises it. While a modal dialog is
    /// open the window belongs to that dialog, so the dialog's modality does not lock it.
    void ShowContext(int context);

    /// Shows the pages that hold every word of `text`, best first.
    void Search(const QString& text);

    bool HasPages() const { return m_index.Size() > 0; }
    QTextBrowser* Browser() const { return m_browser; }
    QLineEdit* SearchField() const { return m_search; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void LoadIndex();
    void ShowMissingPages();
    void StayAboveModalDialog();

    QString m_folder;
    HelpIndex m_index;
    QTextBrowser* m_browser;
    QLineEdit* m_search;
};

}  // namespace kalvo
