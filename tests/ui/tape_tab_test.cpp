// The Tape tab: its buttons' states, copy, cut, save with CR LF, print and help.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>

#include "ui/fake_dialogs.h"
#include "ui/tape_tab.h"

namespace kalvo {
namespace {

class TapeTabTest : public ::testing::Test {
protected:
    QPushButton* ButtonNamed(const char* name) {
        return tape.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void SelectFirstLine() {
        QTextCursor cursor(tape.Memo()->document());
        cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        tape.Memo()->setTextCursor(cursor);
    }

    FakeDialogs dialogs;
    TapeTab tape{dialogs};
    QTemporaryDir folder;
};

TEST_F(TapeTabTest, ButtonsFollowLinesAndSelection) {
    struct State {
        const char* name;
        bool print, toFile, copy, cut;
    };
    auto check = [this](const State& expected) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(ButtonNamed("bbPrint")->isEnabled(), expected.print);
        EXPECT_EQ(ButtonNamed("bbToFile")->isEnabled(), expected.toFile);
        EXPECT_EQ(ButtonNamed("bbCopy")->isEnabled(), expected.copy);
        EXPECT_EQ(ButtonNamed("bbCut")->isEnabled(), expected.cut);
    };
    check({"Empty", false, false, false, false});
    tape.PrependLines({"1+1 = 2; "});
    check({"OneLine", true, true, false, false});
    SelectFirstLine();
    check({"Selected", true, true, true, true});
    ButtonNamed("bbCut")->click();
    check({"AllCut", false, false, false, false});
}

TEST_F(TapeTabTest, NewLinesGoOnTop) {
    tape.PrependLines({"b"});
    tape.PrependLines({"d", "c"});
    EXPECT_EQ(tape.Lines(), (QStringList{"d", "c", "b"}));
}

TEST_F(TapeTabTest, CopyAndCutUseTheClipboard) {
    tape.PrependLines({"old line"});
    tape.PrependLines({"new line"});
    SelectFirstLine();
    ButtonNamed("bbCopy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "new line");
    EXPECT_EQ(tape.Lines().size(), 2);
    QApplication::clipboard()->clear();
    ButtonNamed("bbCut")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "new line");
    EXPECT_EQ(tape.Lines(), (QStringList{"", "old line"}));
    EXPECT_TRUE(tape.Memo()->isReadOnly()) << "cutting must not leave the tape editable";
}

TEST_F(TapeTabTest, ToFileWritesEveryLineWithCrLf) {
    const QString path = folder.filePath("tape.TXT");
    dialogs.onSaveFile = [&](const QString& title) {
        EXPECT_EQ(title, "Save to Text File");
        return path;
    };
    tape.PrependLines({"1+1 = 2; "});
    tape.PrependLines({QString::fromLatin1("X*\xB2 = 4; X=2; ")});  // Latin-1 in and out
    ButtonNamed("bbToFile")->click();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("X*\xB2 = 4; X=2; \r\n1+1 = 2; \r\n"));
}

TEST_F(TapeTabTest, CancelledSaveWritesNothing) {
    dialogs.onSaveFile = [](const QString&) { return QString(); };
    tape.PrependLines({"a"});
    ButtonNamed("bbToFile")->click();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(TapeTabTest, UnwritableFileIsReported) {
    dialogs.messagesExpected = true;
    tape.PrependLines({"a"});
    const QString path = folder.filePath("missing/folder/tape.TXT");
    EXPECT_FALSE(tape.SaveToFile(path));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Can't create file " + path);
}

TEST_F(TapeTabTest, PrintWritesEveryLine) {
    const QString pdf = folder.filePath("tape.pdf");
    dialogs.onPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    tape.PrependLines({"1+1 = 2; "});
    ButtonNamed("bbPrint")->click();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

TEST_F(TapeTabTest, HelpOpensTheTapePage) {
    ButtonNamed("bbTapeHelp")->click();
    EXPECT_EQ(dialogs.helpContexts, std::vector<int>{21});
}

}  // namespace
}  // namespace kalvo
