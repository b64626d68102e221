#pragma once

#include <QWidget>

namespace kalvo {

class DialogService;

/// The "About" tab: the product's name, version and purpose, and a button that opens
/// the desktop's mail client addressed to the maker.
class AboutTab : public QWidget {
    Q_OBJECT
  public:
    AboutTab(DialogService& dialogs, QWidget* parent = nullptr);

    static QString MailAddress();
    /// Opens a new message to the maker, or warns "Can't find mail routine".
    void SendMail();

  private:
    DialogService& m_dialogs;
};

}  // namespace kalvo
