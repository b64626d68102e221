// The manual: its pages per help context, the search, the buttons, and the window opened
// from a modal dialog, which must take clicks and keys while the dialog waits.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <string>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/fake_host.h"
#include "ui/dialog_service.h"
#include "ui/help_contexts.h"
#include "ui/help_window.h"
#include "ui/set_var_dialog.h"

namespace kalvo {
namespace {

QString PageName(const QTextBrowser* browser) {
    return browser->source().fileName();
}

HelpWindow* OpenHelpWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible()) {
            return help;
        }
    }
    return nullptr;
}

/// A click that goes the way a user's click goes: through the window system, where a
/// window that a modal dialog blocks never sees it.
void UserClick(QWidget* button) {
    QWidget* top = button->window();
    QWindow* handle = top->windowHandle();
    ASSERT_NE(handle, nullptr);
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(top, button->rect().center()));
}

TEST(HelpWindowTest, EveryContextOpensItsPage) {
    HelpWindow help;
    ASSERT_TRUE(help.HasPages()) << "no pages in " << HelpWindow::HelpFolder().toStdString();
    for (const HelpPage& entry : kHelpPages) {
        SCOPED_TRACE(entry.context);
        help.ShowContext(entry.context);
        const QString page = QString::fromLatin1(entry.page.data(), qsizetype(entry.page.size()));
        EXPECT_EQ(PageName(help.Browser()), page.section(u'#', 0, 0));
        EXPECT_EQ(help.Browser()->source().fragment(), page.section(u'#', 1));
        EXPECT_FALSE(help.Browser()->documentTitle().isEmpty());
    }
    help.ShowContext(12345);
    EXPECT_EQ(PageName(help.Browser()), "index.html") << "an unknown context shows the contents";
    help.close();
}

TEST(HelpWindowTest, SearchFieldListsThePagesThatHoldEveryWord) {
    HelpWindow help;
    help.ShowContext(kHelpTape);
    QTest::keyClicks(help.SearchField(), "numerical integ");
    const QString results = help.Browser()->toHtml();
    EXPECT_TRUE(results.contains("numerical.html")) << results.toStdString();
    EXPECT_FALSE(results.contains("tape.html"));

    help.SearchField()->clear();
    QTest::keyClicks(help.SearchField(), "xylophone");
    EXPECT_TRUE(help.Browser()->toPlainText().contains("No page of the manual"));

    help.findChild<QPushButton*>("bbHelpContents")->click();
    EXPECT_EQ(PageName(help.Browser()), "index.html");
    EXPECT_TRUE(help.SearchField()->text().isEmpty());
    help.close();
}

TEST(HelpWindowTest, BackAndForwardFollowTheVisitedPages) {
    HelpWindow help;
    help.ShowContext(kHelpCalculator);
    help.ShowContext(kHelpConstants);
    auto* back = help.findChild<QPushButton*>("bbHelpBack");
    auto* forward = help.findChild<QPushButton*>("bbHelpForward");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(PageName(help.Browser()), "calculator.html");
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(PageName(help.Browser()), "constants.html");
    help.close();
}

TEST(HelpWindowTest, MissingPagesAreExplainedInsteadOfAnEmptyWindow) {
    HelpWindow help(nullptr, "/nonexistent/kalvo-help");
    EXPECT_FALSE(help.HasPages());
    help.ShowContext(kHelpCalculator);
    EXPECT_TRUE(help.Browser()->toPlainText().contains("The manual is not installed"));
    EXPECT_TRUE(help.Browser()->toPlainText().contains("/nonexistent/kalvo-help"));
    help.close();
}

TEST(HelpWindowTest, HelpOfTheModalValuePromptTakesClicksAndKeysWhileThePromptWaits) {
    QtDialogService service;
    test::FakeHost host;
    Engine engine(host);
    TSetVar prompt(engine, service);
    prompt.Prepare(kSlotY);
    prompt.show();  // modal: every other window of the program is blocked
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&prompt));
    ASSERT_EQ(QApplication::activeModalWidget(), &prompt);

    UserClick(prompt.findChild<QPushButton*>("bbHelp"));
    HelpWindow* help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(PageName(help->Browser()), "variables.html");

    UserClick(help->findChild<QPushButton*>("bbHelpContents"));
    EXPECT_EQ(PageName(help->Browser()), "index.html") << "the click was blocked";
    UserClick(help->SearchField());
    for (char key : std::string("tape")) {
        QTest::keyClick(help->windowHandle(), key);
    }
    EXPECT_EQ(help->SearchField()->text(), "tape") << "the keys were blocked";

    UserClick(help->findChild<QPushButton*>("bbHelpClose"));
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(prompt.isVisible());

    // Opened again from the main window's side, with no dialog open, it stands alone.
    prompt.reject();
    service.ShowHelp(nullptr, kHelpTape);
    ASSERT_EQ(OpenHelpWindow(), help);
    EXPECT_EQ(help->windowHandle()->transientParent(), nullptr);
    QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

}  // namespace
}  // namespace kalvo
