#pragma once

#include <memory>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

#include "display/format_real.h"
#include "ui/fake_dialogs.h"
#include "ui/main_window.h"
#include "ui/tape_tab.h"

namespace kalvo {

/// The real main window, shown offscreen and active, with a scripted dialog service.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TfmCalc>(dialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        edit1 = Find<QLineEdit>("Edit1");
        edit2 = Find<QLineEdit>("Edit2");
        history = Find<QComboBox>("cbHistory");
        results = Find<QComboBox>("cbResults");
        edit1->setFocus();
    }
    void TearDown() override { window.reset(); }

    template <typename T>
    T* Find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no widget " << name;
        return widget;
    }
    QAbstractButton* Button(const char* name) { return Find<QAbstractButton>(name); }
    /// Choice `index` of a radio group, counting hidden choices too.
    QRadioButton* Choice(const char* group, int index) {
        return Find<QGroupBox>(group)->findChildren<QRadioButton*>().value(index);
    }

    /// Types into the empty input line as a user would, then presses Enter.
    void Evaluate(const QString& text) {
        edit1->setFocus();
        edit1->selectAll();
        QTest::keyClick(edit1, Qt::Key_Delete);
        QTest::keyClicks(edit1, text);
        QTest::keyClick(edit1, Qt::Key_Return);
    }
    /// What the result line shows for a value in the current settings.
    std::string Formatted(Real value) {
        return FormatReal(window->Session().State().display, window->Session().Digits(), value);
    }
    QString Edit2Text() const { return edit2->text(); }
    QColor Edit2Colour() const { return edit2->palette().color(QPalette::Text); }
    QStringList TapeLines() { return window->Tape().Lines(); }
    /// Lets events run until the condition holds or two seconds have passed.
    static bool WaitUntil(const std::function<bool()>& condition) {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return condition();
    }

    FakeDialogs dialogs;
    std::unique_ptr<TfmCalc> window;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    QComboBox* history = nullptr;
    QComboBox* results = nullptr;
};

}  // namespace kalvo
