// The polar window: curves accumulate, the commands of its table, pictures, printing,
// the clipboard, the data editor and the properties.
#include <QAbstractButton>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QToolButton>

#include "plot/data_grid_text.h"
#include "plot_window_fixture.h"
#include "ui/chart_properties.h"
#include "ui/color_button.h"
#include "ui/data_editor.h"
#include "ui/polar_chart.h"
#include "ui/polar_window.h"

namespace kalvo {
namespace {

class PolarWindowTest : public ChartWindowTest {
  protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        window = std::make_unique<TfmPolar>(dialogs, settings);
    }
    void TwoCurves() {
        window->AddCurve(RoseSamples(361, 4), "f(sin(4*X))", "X", "Y");
        window->AddCurve(RoseSamples(181, 1), "f(sin(X))", "X", "Y");
    }
    PolarChart& Chart() { return window->Chart(); }

    std::unique_ptr<TfmPolar> window;
};

TEST_F(PolarWindowTest, StartsHiddenWithoutColumnsAndCaptionPolar) {
    EXPECT_EQ(window->windowTitle(), "Polar");
    EXPECT_EQ(window->objectName(), "fmPolar");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Grid().ColumnCount(), 0);
    EXPECT_EQ(Chart().CurveCount(), 0);
}

TEST_F(PolarWindowTest, TwoPlotsLeaveFourColumnsAndTwoCurves) {
    int shown = 0;
    QObject::connect(window.get(), &ChartWindow::Shown, [&shown] { ++shown; });
    TwoCurves();
    EXPECT_TRUE(window->isVisible());
    EXPECT_GE(shown, 1);
    EXPECT_EQ(window->Grid().ColumnCount(), 4);
    EXPECT_EQ(window->Grid().RowCount(), 361);
    ASSERT_EQ(Chart().CurveCount(), 2);
    EXPECT_EQ(Chart().LegendEntryCount(), 2);
    EXPECT_EQ(Chart().CurveName(0), "f(sin(4*X))");
    EXPECT_EQ(Chart().CurveName(1), "f(sin(X))");
    EXPECT_EQ(Chart().CurvePointCount(0), 361);
    EXPECT_EQ(Chart().CurvePointCount(1), 181);
    EXPECT_EQ(Chart().CurvePen(0).widthF(), 1);
    EXPECT_EQ(Chart().CurvePen(1).widthF(), 1);
    EXPECT_NE(Chart().CurvePen(0).color(), Chart().CurvePen(1).color());
    EXPECT_EQ(Chart().Caption(), "Angle: X    Radius: Y");
}

TEST_F(PolarWindowTest, EveryCommandOfTheTableHasItsButtonAndMenuItem) {
    const QList<QMenu*> menus = window->findChild<QMenuBar*>()->findChildren<QMenu*>();
    for (const ChartCommand& command : TfmPolar::Commands()) {
        SCOPED_TRACE(command.name);
        QAction* action = window->Action(command.id);
        ASSERT_NE(action, nullptr);
        if (command.hint) {
            auto* button = window->findChild<QToolButton*>(QStringLiteral("sb") + command.name);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(command.hint));
            EXPECT_FALSE(button->icon().isNull());
        }
        if (command.menuText) {
            bool found = false;
            for (QMenu* menu : menus) {
                found = found || (menu->title() == QString::fromUtf8(command.menu) &&
                                  menu->actions().contains(action) &&
                                  action->text() == QString::fromUtf8(command.menuText));
            }
            EXPECT_TRUE(found);
        }
    }
    auto* saveAs = window->findChild<QToolButton*>("sbSaveAs");
    ASSERT_NE(saveAs->menu(), nullptr);
    QStringList popup;
    for (QAction* item : saveAs->menu()->actions()) {
        popup << item->text();
    }
    EXPECT_EQ(popup, (QStringList{"&Save as BMP...", "Save as &PNG..."}));
}

TEST_F(PolarWindowTest, GridCommandFlipsCirclesAndSpokesEachOnItsOwn) {
    TwoCurves();
    EXPECT_TRUE(Chart().CirclesShown());
    EXPECT_TRUE(Chart().SpokesShown());
    Trigger(*window, ChartCommandId::kGrid);
    EXPECT_FALSE(window->View().grids.Shown(1));
    EXPECT_FALSE(window->View().grids.Shown(2));
    EXPECT_FALSE(Chart().CirclesShown());
    EXPECT_FALSE(Chart().SpokesShown());

    // Spokes back on alone through the properties: the next toggle swaps both.
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QAbstractButton*>("chGridY2")->setChecked(true);
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kProperties);
    EXPECT_FALSE(Chart().CirclesShown());
    EXPECT_TRUE(Chart().SpokesShown());
    Trigger(*window, ChartCommandId::kGrid);
    EXPECT_TRUE(Chart().CirclesShown());
    EXPECT_FALSE(Chart().SpokesShown());
    EXPECT_TRUE(window->View().grids.Shown(0));
    EXPECT_TRUE(window->View().grids.Shown(3));
}

TEST_F(PolarWindowTest, LegendCommandShowsAndHidesTheLegend) {
    TwoCurves();
    EXPECT_TRUE(Chart().LegendShown());
    Trigger(*window, ChartCommandId::kLegend);
    EXPECT_FALSE(Chart().LegendShown());
    Trigger(*window, ChartCommandId::kLegend);
    EXPECT_TRUE(Chart().LegendShown());
}

TEST_F(PolarWindowTest, SavedPicturesAreRealImagesAndTheClipboardIsKept) {
    TwoCurves();
    QApplication::processEvents();
    QApplication::clipboard()->setText("the user's text");
    struct Row {
        ChartCommandId command;
        const char* title;
        const char* filter;
        const char* file;
        const char* format;
    } rows[] = {
        {ChartCommandId::kSaveBmp, "Save to file as BMP", "BMP files (*.BMP)", "polar.BMP", "BMP"},
        {ChartCommandId::kSavePng, "Save to file as PNG", "PNG files (*.PNG)", "polar.png", "PNG"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        const QString path = Path(row.file);
        dialogs.fileDialogs.clear();
        dialogs.onSaveFile = [&path](const QString&) { return path; };
        Trigger(*window, row.command);
        ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
        EXPECT_EQ(dialogs.fileDialogs[0].first, row.title);
        EXPECT_EQ(dialogs.fileDialogs[0].second, row.filter);
        QImage saved;
        ASSERT_TRUE(saved.load(path, row.format));
        EXPECT_EQ(saved.size(), Chart().size());
        // Both curves are drawn: blue and red pixels, far more than a legend swatch holds.
        EXPECT_GT(CountPixels(saved, [](const QColor& c) { return HueNear(c, 240); }), 300);
        EXPECT_GT(CountPixels(saved, [](const QColor& c) { return HueNear(c, 0); }), 300);
        EXPECT_EQ(QApplication::clipboard()->text(), "the user's text");
    }
    // A cancelled dialog writes nothing and leaves the clipboard too.
    dialogs.onSaveFile = [](const QString&) { return QString(); };
    Trigger(*window, ChartCommandId::kSaveBmp);
    EXPECT_EQ(QApplication::clipboard()->text(), "the user's text");
}

TEST_F(PolarWindowTest, AHiddenWindowSavesItsPictureAtTheDefaultSize) {
    window->AddCurve(RoseSamples(91, 2), "f(sin(2*X))", "X", "Y");
    window->hide();
    QString error;
    ASSERT_TRUE(window->SavePicture(Path("hidden.png"), &error)) << error.toStdString();
    QImage saved(Path("hidden.png"));
    EXPECT_EQ(saved.size(), QSize(640, 480));
    EXPECT_GT(CountPixels(saved, [](const QColor& c) { return HueNear(c, 240); }), 200);
}

TEST_F(PolarWindowTest, SavingRefusesOtherFormatsAndUnwritablePlacesClearly) {
    TwoCurves();
    QFile existing(Path("kept.png"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    struct Row {
        QString path;
        QString message;
    } rows[] = {
        {Path("picture.gif"), "Pictures are saved as PNG or BMP files: " + Path("picture.gif")},
        {Path("no/such/folder/p.png"), "Can't create file " + Path("no/such/folder/p.png")},
    };
    for (const Row& row : rows) {
        QString error;
        EXPECT_FALSE(window->SavePicture(row.path, &error));
        EXPECT_EQ(error, row.message);
    }
    dialogs.messagesExpected = true;
    dialogs.onSaveFile = [this](const QString&) { return Path("no/such/folder/p.BMP"); };
    Trigger(*window, ChartCommandId::kSaveBmp);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Can't create file "));
    QFile kept(Path("kept.png"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

TEST_F(PolarWindowTest, CopyPutsThePictureOnTheClipboard) {
    TwoCurves();
    QApplication::processEvents();
    Trigger(*window, ChartCommandId::kCopy);
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), Chart().size());
    EXPECT_GT(CountPixels(copied, [](const QColor& c) { return HueNear(c, 240); }), 300);
}

TEST_F(PolarWindowTest, PasteReplacesTheDataAndABadTextChangesNothing) {
    TwoCurves();
    QApplication::clipboard()->setText("\tspiral\tr\tcircle\tr\n1\t0\t0\t0\t2\n2\t90\t1\t180\t2\n");
    Trigger(*window, ChartCommandId::kPaste);
    EXPECT_EQ(window->Grid().ColumnCount(), 4);
    EXPECT_EQ(window->Grid().RowCount(), 2);
    ASSERT_EQ(Chart().CurveCount(), 2);
    EXPECT_EQ(Chart().CurveName(0), "spiral");
    EXPECT_EQ(Chart().CurveName(1), "circle");

    const DataGrid before = window->Grid();
    dialogs.messagesExpected = true;
    QApplication::clipboard()->setText("1\t2\n3\tx\n");
    Trigger(*window, ChartCommandId::kPaste);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Row 2, column 2: 'x' is not a number");
    EXPECT_TRUE(window->Grid() == before);
    EXPECT_EQ(Chart().CurveCount(), 2);
}

TEST_F(PolarWindowTest, DataEditorRefusesBadValuesAndHandsBackTheEditedGrid) {
    TwoCurves();
    dialogs.onDialog = [](QDialog& dialog) {
        auto& editor = dynamic_cast<DataEditor&>(dialog);
        DataGridModel& model = editor.Model();
        // Row 0 and column 0 of the table are the labels.
        EXPECT_FALSE(model.setData(model.index(2, 2), "ten", Qt::EditRole));
        EXPECT_EQ(editor.Status(), "Row 2, column 2: 'ten' is not a number");
        EXPECT_TRUE(model.setData(model.index(2, 2), "0.5", Qt::EditRole));
        EXPECT_EQ(editor.Status(), "");
        EXPECT_TRUE(model.setData(model.index(0, 3), "renamed", Qt::EditRole));
        EXPECT_FALSE(model.setData(model.index(0, 0), "corner", Qt::EditRole));
        auto* columns = dialog.findChild<QSpinBox*>("seColumns");
        columns->setValue(6);
        emit columns->editingFinished();
        EXPECT_EQ(model.columnCount(), 7);
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kEditData);
    EXPECT_EQ(window->Grid().Cell(1, 1), 0.5);
    EXPECT_EQ(window->Grid().ColumnCount(), 6);
    ASSERT_EQ(Chart().CurveCount(), 3);
    EXPECT_EQ(Chart().CurveName(1), "renamed");
    EXPECT_EQ(Chart().CurvePointCount(2), 0);
    EXPECT_EQ(window->View().curves.size(), 3u);

    const DataGrid before = window->Grid();
    dialogs.onDialog = [](QDialog& dialog) {
        auto& editor = dynamic_cast<DataEditor&>(dialog);
        editor.Model().setData(editor.Model().index(1, 1), "99", Qt::EditRole);
        return QDialog::Rejected;
    };
    Trigger(*window, ChartCommandId::kEditData);
    EXPECT_TRUE(window->Grid() == before);
}

TEST_F(PolarWindowTest, DataEditorCopiesTheGridAsTextThatPastesBack) {
    TwoCurves();
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QAbstractButton*>("bbCopyData")->click();
        return QDialog::Rejected;
    };
    Trigger(*window, ChartCommandId::kEditData);
    const DataGridTextResult read =
        ReadDataGridText(QApplication::clipboard()->text().toStdString());
    ASSERT_TRUE(read.Ok()) << read.error;
    EXPECT_TRUE(read.grid == window->Grid());
}

TEST_F(PolarWindowTest, PropertiesRenameRecolourAndWidenCurves) {
    TwoCurves();
    dialogs.onDialog = [](QDialog& dialog) {
        // The colour button opens the colour dialog through the same service.
        if (auto* colors = dynamic_cast<QColorDialog*>(&dialog)) {
            colors->setCurrentColor(QColor(0, 128, 0));
            return QDialog::Accepted;
        }
        auto* curves = dialog.findChild<QTableWidget*>("sgCurves");
        EXPECT_EQ(curves->rowCount(), 2);
        curves->item(1, 0)->setText("sine");
        static_cast<QDoubleSpinBox*>(curves->cellWidget(0, 2))->setValue(3.5);
        dialog.findChild<QLineEdit*>("edChartTitle")->setText("Roses");
        static_cast<ColorButton*>(curves->cellWidget(1, 1))->click();
        return QDialog::Accepted;
    };
    Trigger(*window, ChartCommandId::kProperties);
    EXPECT_EQ(Chart().CurveName(1), "sine");
    EXPECT_EQ(window->Grid().ColumnLabel(2), "sine");
    EXPECT_EQ(Chart().CurvePen(0).widthF(), 3.5);
    EXPECT_EQ(Chart().CurvePen(1).color(), QColor(0, 128, 0));
    EXPECT_EQ(window->View().titles.chart, "Roses");
    EXPECT_EQ(dialogs.dialogsShown, 2);
}

TEST_F(PolarWindowTest, PrintsThroughThePrintDialogAndSetsUpThePrinter) {
    TwoCurves();
    const QString pdf = Path("printed.pdf");
    dialogs.onPrint = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    Trigger(*window, ChartCommandId::kPrint);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF"));
    EXPECT_GT(printed.size(), 1000);

    QString shown;
    dialogs.onDialog = [&shown](QDialog& dialog) {
        shown = dialog.objectName();
        EXPECT_NE(dynamic_cast<QPageSetupDialog*>(&dialog), nullptr);
        return QDialog::Rejected;
    };
    Trigger(*window, ChartCommandId::kPrinterSetup);
    EXPECT_EQ(shown, "dlgPrinterSetup");
}

TEST_F(PolarWindowTest, ExitHidesAndStoresThePlacement) {
    TwoCurves();
    window->move(40, 50);
    window->resize(500, 400);
    Trigger(*window, ChartCommandId::kExit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(settings.polarPlacement.width, 500);
    EXPECT_EQ(settings.polarPlacement.height, 400);
    // Hidden, not destroyed: the next plot adds to the same chart.
    window->AddCurve(RoseSamples(11, 3), "third", "X", "Y");
    EXPECT_EQ(Chart().CurveCount(), 3);
}

}  // namespace
}  // namespace kalvo
