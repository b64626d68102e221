#pragma once

#include <QDialog>

#include "frontend/settings.h"

class QWidget;

namespace kalvo {

/// Moves a top-level window so that it stands in the middle of the available area of the
/// screen its parent window is on (or of its own screen). Before the window is first shown
/// its frame is not known yet and only its inner size counts.
void CentreOnScreen(QWidget& window);

/// Puts a window where its placement in the settings says: the frame's top-left corner
/// and the inner size, at least 200 × 150 so that a damaged settings file cannot shrink
/// the window out of sight.
void ApplyPlacement(QWidget& window, const WindowPlacement& placement);

/// The window's placement, as ApplyPlacement takes it.
WindowPlacement PlacementOf(const QWidget& window);

/// A dialog that opens in the middle of the screen, wherever its parent window stands.
class ScreenCentredDialog : public QDialog {
  public:
    using QDialog::QDialog;
    void setVisible(bool visible) override;
};

}  // namespace kalvo
