// The Constants tab: the case-insensitive prefix search and its warning, pasting at the
// caret of the input line, editing and reloading the constants file.
#include "ui/constants_tab.h"
#include "home_window_fixture.h"

namespace kalvo {
namespace {

class ConstantsTabTest : public HomeWindowTest {
  protected:
    void SetUp() override {
        HomeWindowTest::SetUp();
        // A later start (the settings file exists) with a constants file of our own.
        WriteBytes(HomePath("Kalvo.INI"), "[Calc Settings]\r\nAngle=0\r\n");
        WriteBytes(HomePath("Kalvo.USR"), "");
        WriteBytes(HomePath("Kalvo.CON"),
                   "speed = 3E8\r\nPi approx = 3.14\nplank h = 6.6E-34\r\nGolden ratio\r\n"
                   "PLUTO mass = 1.3E22\r\n\r\n");
        Start();
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(TfmCalc::kConstantsTab);
    }
    /// Types a new search text; the old one is removed without a search of its own.
    void Search(const QString& text) {
        Field("edFind")->clear();
        QTest::keyClicks(Field("edFind"), text);
    }
    QString Selected() {
        QListWidgetItem* item = List("lbConstants")->currentItem();
        return item ? item->text() : QString();
    }
};

TEST_F(ConstantsTabTest, ListIsSortedIgnoringCase) {
    EXPECT_EQ(Lines("lbConstants"),
              (QStringList{"Golden ratio", "Pi approx = 3.14", "plank h = 6.6E-34",
                           "PLUTO mass = 1.3E22", "speed = 3E8"}));
}

TEST_F(ConstantsTabTest, SearchSelectsTheFirstLineStartingWithTheTextInAnyCase) {
    struct Row {
        const char* name;
        const char* typed;
        const char* selected;
    };
    for (const Row& row :
         {Row{"SmallLetters", "pl", "plank h = 6.6E-34"},
          Row{"MixedCase", "pLu", "PLUTO mass = 1.3E22"}, Row{"OneLetter", "P", "Pi approx = 3.14"},
          Row{"Whole", "speed = 3E8", "speed = 3E8"}}) {
        SCOPED_TRACE(row.name);
        Search(QString::fromLatin1(row.typed));
        EXPECT_EQ(Selected(), row.selected);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ConstantsTabTest, SearchWithoutMatchWarns) {
    dialogs.messagesExpected = true;
    Search(QStringLiteral("spx"));
    ASSERT_EQ(dialogs.messages.size(), 1U);  // "s" and "sp" found the speed
    EXPECT_EQ(dialogs.messages[0], "Constant name begining from <\"SPX\"> not found");
    // Deleting the search text is a search for nothing.
    Search(QStringLiteral("s"));
    QTest::keyClick(Field("edFind"), Qt::Key_Backspace);
    ASSERT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(dialogs.messages[1], "Constant name begining from <\"\"> not found");
}

TEST_F(ConstantsTabTest, PasteInsertsTheValueAtTheCaret) {
    struct Row {
        const char* name;
        const char* find;
        const char* expected;
    };
    for (const Row& row : {Row{"ValueAfterEquals", "speed", "1+3E8*2"},
                           Row{"LineWithoutEquals", "gold", "1+Goldenratio*2"}}) {
        SCOPED_TRACE(row.name);
        edit1->setText(QStringLiteral("1+*2"));
        edit1->setCursorPosition(2);
        Search(QString::fromLatin1(row.find));
        Button("bbPaste")->click();
        EXPECT_EQ(edit1->text(), row.expected);
    }
}

TEST_F(ConstantsTabTest, ClickOnALineInsertsItsValue) {
    edit1->setText(QStringLiteral("2*"));
    edit1->setCursorPosition(2);
    QListWidget* list = List("lbConstants");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(edit1->text(), "2*3.14");
    Evaluate(edit1->text());
    EXPECT_EQ(edit2->text(), Shown(6.28L));
}

TEST_F(ConstantsTabTest, EditOpensTheFileAndReloadReadsItAgain) {
    QAbstractButton* reload = Button("bbReload");
    EXPECT_FALSE(reload->isEnabled());
    dialogs.onOpenUrl = [](const QUrl&) { return true; };
    Button("bbEdit")->click();
    ASSERT_EQ(dialogs.openedUrls.size(), 1U);
    EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(HomePath("Kalvo.CON")));
    EXPECT_TRUE(reload->isEnabled());

    WriteBytes(HomePath("Kalvo.CON"), "tau = 6.28\r\n");
    reload->click();
    EXPECT_EQ(Lines("lbConstants"), QStringList{"tau = 6.28"});
    EXPECT_FALSE(reload->isEnabled());

    Button("bbEdit")->click();
    QFile::remove(HomePath("Kalvo.CON"));
    dialogs.messagesExpected = true;
    reload->click();
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0],
              QStringLiteral("File <") + QString::fromStdString(home.stem) + ".CON> not found.");
    EXPECT_TRUE(Lines("lbConstants").isEmpty());
    EXPECT_FALSE(reload->isEnabled());
    Button("bbConstantsHelp")->click();
    EXPECT_EQ(dialogs.helpContexts, std::vector<int>{8});
}

}  // namespace
}  // namespace kalvo
