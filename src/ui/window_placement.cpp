#include "ui/window_placement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kalvo {

void CentreOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QScreen* screen = parent ? parent->screen() : window.screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();  // the size the window is about to be shown with
    }
    // The frame is known only once the window has been shown; before that it adds nothing.
    const QSize frame = window.frameGeometry().size().expandedTo(window.size());
    const QRect area = screen->availableGeometry();
    window.move(area.x() + (area.width() - frame.width()) / 2,
                area.y() + (area.height() - frame.height()) / 2);
}

void ApplyPlacement(QWidget& window, const WindowPlacement& placement) {
    window.move(placement.left, placement.top);
    window.resize(std::max(placement.width, 200), std::max(placement.height, 150));
}

WindowPlacement PlacementOf(const QWidget& window) {
    return {window.pos().x(), window.pos().y(), window.width(), window.height()};
}

void ScreenCentredDialog::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    if (opening) {
        // Placed before it appears, so that Qt does not put it over its parent ...
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
    if (opening) {
        CentreOnScreen(*this);  // ... and again once its frame is known.
    }
}

}  // namespace kalvo
