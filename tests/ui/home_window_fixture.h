#pragma once

#include <memory>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "display/format_real.h"
#include "frontend/home_folder.h"
#include "ui/fake_dialogs.h"
#include "ui/main_window.h"

namespace kalvo {

/// The real main window started in a home folder of its own, so that every test begins
/// with the files it writes there and nothing else.
class HomeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        home.folder = QFile::encodeName(dir.path()).toStdString();
        home.stem = home.folder + "/Kalvo";
    }
    void TearDown() override { window.reset(); }

    /// Creates and shows the window: the start-up reads the home folder's files.
    void Start() {
        window = std::make_unique<TfmCalc>(dialogs, home);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        edit1 = Find<QLineEdit>("Edit1");
        edit2 = Find<QLineEdit>("Edit2");
    }
    /// Closes the window as the user would (writing settings and history) and starts anew.
    void Restart() {
        window->close();
        window.reset();
        Start();
    }

    template <typename T>
    T* Find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no widget " << name;
        return widget;
    }
    QAbstractButton* Button(const char* name) { return Find<QAbstractButton>(name); }
    QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
    QListWidget* List(const char* name) { return Find<QListWidget>(name); }
    QStringList Lines(const char* listName) {
        QStringList lines;
        QListWidget* list = List(listName);
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }

    /// Replaces a field's text by typing, as a user would.
    static void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    /// Types into the input line and presses Enter.
    void Evaluate(const QString& text) {
        Type(edit1, text);
        QTest::keyClick(edit1, Qt::Key_Return);
    }
    std::string Formatted(Real value) {
        return FormatReal(window->Session().State().display, window->Session().Digits(), value);
    }
    QString Shown(Real value) { return QString::fromLatin1(Formatted(value)); }

    QString HomePath(const char* name) const {
        return dir.path() + "/" + QString::fromLatin1(name);
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }
    static QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool Exists(const QString& path) { return QFile::exists(path); }

    FakeDialogs dialogs;
    QTemporaryDir dir;
    HomeFolder home;
    std::unique_ptr<TfmCalc> window;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
};

}  // namespace kalvo
