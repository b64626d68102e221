// The value prompt and the "Complex Numbers" notice open in the middle of the screen,
// wherever the main window stands, and the notice's F1 opens the page on complex mode.
#include <QDialog>
#include <QPushButton>
#include <QScreen>

#include "ui/help_contexts.h"
#include "ui/main_window_fixture.h"

namespace kalvo {
namespace {

class DialogPlacementTest : public MainWindowTest {
  protected:
    /// Puts the main window near the screen's lower right corner, so that "centred on the
    /// main window" and "centred on the screen" are far apart.
    void MoveMainWindowAside() {
        const QRect area = window->screen()->availableGeometry();
        window->move(area.right() - window->width() / 3, area.bottom() - window->height() / 3);
        QApplication::processEvents();
        const QPoint apart = window->frameGeometry().center() - area.center();
        ASSERT_GT(apart.manhattanLength(), 100);
    }
    /// Shows the dialog as its modal run would and tells how far its centre lies from the
    /// centre of the screen.
    static int DistanceFromScreenCentre(QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        const QRect area = dialog.screen()->availableGeometry();
        return (dialog.frameGeometry().center() - area.center()).manhattanLength();
    }
};

TEST_F(DialogPlacementTest, ValuePromptStandsInTheMiddleOfTheScreen) {
    MoveMainWindowAside();
    int distance = -1;
    dialogs.onDialog = [&](QDialog& dialog) {
        distance = DistanceFromScreenCentre(dialog);
        dialog.findChild<QPushButton*>("bbCancel")->click();
        return dialog.result();
    };
    Evaluate("Y+1");
    EXPECT_GE(distance, 0) << "the prompt was not opened";
    EXPECT_LE(distance, 2);
}

TEST_F(DialogPlacementTest, ComplexNumbersNoticeStandsInTheMiddleOfTheScreenAndHasItsHelp) {
    MoveMainWindowAside();
    int distance = -1;
    dialogs.onDialog = [&](QDialog& dialog) {
        distance = DistanceFromScreenCentre(dialog);
        QTest::keyClick(&dialog, Qt::Key_F1);
        dialog.accept();
        return dialog.result();
    };
    Choice("rgReal", 1)->click();
    EXPECT_GE(distance, 0) << "the notice was not opened";
    EXPECT_LE(distance, 2);
    EXPECT_EQ(dialogs.helpContexts, std::vector<int>{kHelpComplexMode});
}

}  // namespace
}  // namespace kalvo
