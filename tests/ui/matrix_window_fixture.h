#pragma once

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "matrix/cell_texts.h"
#include "ui/main_window_fixture.h"
#include "ui/matrix_grid_panel.h"
#include "ui/matrix_window.h"
#include "ui/mult_dialog.h"

namespace kalvo {

/// The main window with its matrix window opened through "Matrix Operations".
class MatrixWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Button("bbMatrix")->click();
        matrix = &window->MatrixWindow();
        QApplication::setActiveWindow(matrix);
        ASSERT_TRUE(QTest::qWaitForWindowActive(matrix));
    }

    template <typename T>
    T* In(const char* name) {
        T* widget = matrix->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no widget " << name;
        return widget;
    }
    QPushButton* Tool(const char* name) { return In<QPushButton>(name); }
    QString OperationText() { return In<QLabel>("lbOperation")->text(); }

    /// Replaces a field's text by typing and presses Enter, as a user would.
    static void Enter(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    /// Sizes a grid through its count fields and fills it.
    void Fill(MatrixGridPanel& panel, const CellTexts& cells) {
        Enter(panel.RowsField(), QString::number(RowCount(cells)));
        Enter(panel.ColsField(), QString::number(ColCount(cells)));
        panel.WriteCells(cells);
    }
    static QStringList Headers(QTableWidget* grid, Qt::Orientation orientation) {
        QStringList labels;
        const int count = orientation == Qt::Horizontal ? grid->columnCount() : grid->rowCount();
        for (int i = 0; i < count; ++i) {
            QTableWidgetItem* item = orientation == Qt::Horizontal ? grid->horizontalHeaderItem(i)
                                                                   : grid->verticalHeaderItem(i);
            labels << (item != nullptr ? item->text() : QString());
        }
        return labels;
    }
    QStringList RepositoryLabels() {
        QStringList labels;
        auto* list = In<QListWidget>("lbRepository");
        for (int i = 0; i < list->count(); ++i) {
            labels << list->item(i)->text();
        }
        return labels;
    }
    /// Answers the r, n or f prompt with each text in turn (OK), then cancels.
    void AnswerPrompt(QStringList texts) {
        dialogs.onDialog = [this, texts](QDialog& dialog) mutable {
            prompts.push_back({dialog.windowTitle(),
                               dialog.findChild<QLineEdit*>("edExpression")->text(),
                               static_cast<TfmMult&>(dialog).Error()});
            if (texts.isEmpty()) {
                return static_cast<int>(QDialog::Rejected);
            }
            dialog.findChild<QLineEdit*>("edExpression")->setText(texts.takeFirst());
            return static_cast<int>(QDialog::Accepted);
        };
    }

    struct Shown {
        QString caption;
        QString text;
        QString error;
    };
    std::vector<Shown> prompts;
    TfmMatrix* matrix = nullptr;
};

}  // namespace kalvo
