#pragma once

#include <QColor>
#include <QPushButton>

namespace kalvo {

class DialogService;

/// A button that shows a colour and lets the user choose another in the colour dialog.
class ColorButton : public QPushButton {
    Q_OBJECT
  public:
    ColorButton(DialogService& dialogs, const QColor& color, QWidget* parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);

  private:
    void Choose();

    DialogService& m_dialogs;
    QColor m_color;
};

}  // namespace kalvo
