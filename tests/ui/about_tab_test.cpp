#include "ui/about_tab.h"

#include <QLabel>
#include <QPushButton>

#include "ui/fake_dialogs.h"

namespace kalvo {
namespace {

TEST(AboutTab, MailButtonOpensAMailtoLinkToTheMaker) {
    FakeDialogs dialogs;
    QUrl opened;
    dialogs.onOpenUrl = [&](const QUrl& url) {
        opened = url;
        return true;
    };
    AboutTab about(dialogs);
    about.findChild<QPushButton*>("bbMail")->click();
    EXPECT_EQ(opened.scheme(), "mailto");
    EXPECT_EQ(opened.path(), AboutTab::MailAddress());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(AboutTab, WithoutAMailClientTheUserIsTold) {
    FakeDialogs dialogs;
    dialogs.messagesExpected = true;
    dialogs.onOpenUrl = [](const QUrl&) { return false; };
    AboutTab about(dialogs);
    about.findChild<QPushButton*>("bbMail")->click();
    EXPECT_EQ(dialogs.messages, std::vector<QString>{"Can't find mail routine"});
}

TEST(AboutTab, NamesTheProduct) {
    FakeDialogs dialogs;
    AboutTab about(dialogs);
    EXPECT_EQ(about.findChild<QLabel*>("lbProduct")->text(), "Kalvo");
}

}  // namespace
}  // namespace kalvo
