#include "ui/color_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

#include "ui/dialog_service.h"

namespace kalvo {

namespace {

constexpr int kSwatchWidth = 36;
constexpr int kSwatchHeight = 14;

}  // namespace

ColorButton::ColorButton(DialogService& dialogs, const QColor& color, QWidget* parent)
    : QPushButton(parent), m_dialogs(dialogs) {
    setIconSize(QSize(kSwatchWidth, kSwatchHeight));
    SetColor(color);
    connect(this, &QPushButton::clicked, this, &ColorButton::Choose);
}

void ColorButton::SetColor(const QColor& color) {
    m_color = color;
    QPixmap swatch(kSwatchWidth, kSwatchHeight);
    swatch.fill(color);
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(swatch);
    setToolTip(color.name());
}

void ColorButton::Choose() {
    QColorDialog dialog(m_color, this);
    dialog.setObjectName("dlgColor");
    if (m_dialogs.ExecDialog(dialog) == QDialog::Accepted && dialog.currentColor().isValid()) {
        SetColor(dialog.currentColor());
    }
}

}  // namespace kalvo
