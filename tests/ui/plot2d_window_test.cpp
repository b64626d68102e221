// The 2D plot window: curves from the Graphics tab, zoom, legend, grids, 3D view, pictures,
// printing, data export and import, the properties dialog and the "Show plots" menu.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include "plot_fixture.h"
#include "ui/chart/chart_properties_dialog.h"

namespace kalvo {
namespace {

using Plot2DTest = PlotTest;

TEST_F(Plot2DTest, TwoCurvesGetDifferentColoursAndMarkers) {
    PlotCurve(QStringLiteral("sin(X)"));
    PlotCurve(QStringLiteral("X^2/30"), "-5", "5", "41");
    TPlot& chart = Chart2D();
    ASSERT_EQ(chart.SeriesCount(), 2);
    ChartSeries* first = chart.Series(0);
    ChartSeries* second = chart.Series(1);
    EXPECT_NE(first->Color(), second->Color());
    EXPECT_NE(first->Marker(), second->Marker());
    EXPECT_NE(first->Marker(), ChartMarker::kNone);
    EXPECT_EQ(first->PointCount(), 200);
    EXPECT_EQ(second->PointCount(), 41);
    EXPECT_EQ(first->MarkerInterval(), 10);
    EXPECT_EQ(first->name(), QStringLiteral("f(sin(X))"));
    EXPECT_EQ(second->Description(), QStringLiteral("f(X^2/30)"));
    EXPECT_TRUE(chart.HasLineLegend(first));
    EXPECT_TRUE(chart.HasLineLegend(second));
    // Both ends of the range are sample points.
    EXPECT_DOUBLE_EQ(second->data()->at(0)->key, -5);
    EXPECT_DOUBLE_EQ(second->data()->at(40)->key, 5);
    EXPECT_TRUE(window->Plot2DWindow().isVisible());
    EXPECT_EQ(history->itemText(0), QStringLiteral("X^2/30"));
    EXPECT_EQ(Find<QProgressBar>("Gauge")->value(), 0);
}

TEST_F(Plot2DTest, AChosenColourColoursTheNextCurveOnly) {
    dialogs.onColor = [](const QColor&) { return QColor(10, 200, 30); };
    OpenGraphics(QStringLiteral("X"), PlotType::kCurve);
    Button("sbColor")->click();
    PressOk();
    PlotCurve(QStringLiteral("2*X"));
    ASSERT_EQ(Chart2D().SeriesCount(), 2);
    EXPECT_EQ(Chart2D().Series(0)->Color(), QColor(10, 200, 30));
    EXPECT_NE(Chart2D().Series(1)->Color(), QColor(10, 200, 30));
}

TEST_F(Plot2DTest, AFailingPointDiscardsTheCurveAndKeepsTheEarlierOnes) {
    PlotCurve(QStringLiteral("X"));
    dialogs.messagesExpected = true;
    PlotCurve(QStringLiteral("ln(X)"), "-1", "1", "11");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Cann't calculate this function"));
    EXPECT_EQ(Chart2D().SeriesCount(), 1);
    EXPECT_TRUE(Edit2Text().contains(QStringLiteral("position")));
    EXPECT_EQ(Find<QProgressBar>("Gauge")->value(), 0);
    EXPECT_TRUE(Find<QWidget>("PageControl1")->isEnabled());
    EXPECT_NE(history->itemText(0), QStringLiteral("ln(X)"));
}

TEST_F(Plot2DTest, TheStopButtonEndsAPlotWithoutTheErrorBox) {
    // A slow function: every point integrates, so the plot runs long enough to be stopped.
    OpenGraphics(QStringLiteral("integral(0,1,sin(X*X)*exp(X))"), PlotType::kCurve);
    SetX("1", "10", "16000");
    dialogs.onQuestion = [](const QString&) { return true; };
    bool clicked = false;
    QTimer::singleShot(100, window.get(), [&] {
        clicked = Button("bbBreak")->isEnabled();
        Button("bbBreak")->click();
    });
    PressOk();
    EXPECT_TRUE(clicked) << "the Stop button is usable while the plot runs";
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Chart2D().SeriesCount(), 0);
    EXPECT_FALSE(Edit2Text().isEmpty());
    EXPECT_FALSE(Button("bbBreak")->isEnabled());
}

TEST_F(Plot2DTest, ZoomLevelsEnableZoomOutAndPrevious) {
    PlotCurve(QStringLiteral("X"));
    TfmPlot2D& w = window->Plot2DWindow();
    QAction* zoomOut = w.Command(PlotCommand::kZoomOut);
    QAction* previous = w.Command(PlotCommand::kZoomPrevious);
    EXPECT_FALSE(zoomOut->isEnabled());
    EXPECT_FALSE(previous->isEnabled());
    w.Command(PlotCommand::kZoomIn)->trigger();
    EXPECT_TRUE(Chart2D().ZoomMode());
    EXPECT_TRUE(zoomOut->isEnabled());
    EXPECT_TRUE(previous->isEnabled());
    const ChartView full = Chart2D().View();
    Chart2D().ZoomTo({-5, 5, -5, 5});
    Chart2D().ZoomTo({0, 1, 0, 1});
    EXPECT_EQ(Chart2D().ZoomLevelCount(), 2);
    EXPECT_DOUBLE_EQ(Chart2D().View().xMax, 1);
    previous->trigger();
    EXPECT_DOUBLE_EQ(Chart2D().View().xMax, 5);
    EXPECT_TRUE(previous->isEnabled());
    previous->trigger();
    EXPECT_EQ(Chart2D().View(), full);
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_FALSE(zoomOut->isEnabled());

    // Zoom mode stayed on; the animated zoom toggles it off, then on again.
    w.Command(PlotCommand::kAnimatedZoom)->trigger();
    EXPECT_FALSE(Chart2D().ZoomMode());
    EXPECT_FALSE(zoomOut->isEnabled());
    w.Command(PlotCommand::kAnimatedZoom)->trigger();
    EXPECT_TRUE(Chart2D().ZoomMode());
    EXPECT_TRUE(Chart2D().Animation());
    EXPECT_TRUE(zoomOut->isEnabled());
    Chart2D().SetAnimation(false);  // the test does not wait for the animation
    Chart2D().ZoomTo({0, 1, 0, 1});
    zoomOut->trigger();
    EXPECT_EQ(Chart2D().View(), full);
    EXPECT_FALSE(Chart2D().ZoomMode());
    EXPECT_FALSE(previous->isEnabled());
}

TEST_F(Plot2DTest, TheRubberBandZoomsInZoomModeOnly) {
    PlotCurve(QStringLiteral("X"));
    TfmPlot2D& w = window->Plot2DWindow();
    QCustomPlot& canvas = Chart2D().Canvas();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect area = canvas.axisRect()->rect();
    const QPoint from = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
    const QPoint to = area.center();
    auto drag = [&] {
        QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&canvas, to);
        QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, to);
    };
    const ChartView before = Chart2D().View();
    drag();
    EXPECT_EQ(Chart2D().View(), before);
    w.Command(PlotCommand::kZoomIn)->trigger();
    drag();
    EXPECT_EQ(Chart2D().ZoomLevelCount(), 1);
    const ChartView after = Chart2D().View();
    EXPECT_GT(after.xMin, before.xMin);
    EXPECT_LT(after.xMax, before.xMax);
}

TEST_F(Plot2DTest, LegendAndGridTogglesFollowTheirCheckMarks) {
    PlotCurve(QStringLiteral("X"));
    TfmPlot2D& w = window->Plot2DWindow();
    const bool legend = Chart2D().LineLegendVisible();
    w.MenuItem(PlotCommand::kShowLegend)->trigger();
    EXPECT_EQ(Chart2D().LineLegendVisible(), !legend);
    EXPECT_EQ(w.MenuItem(PlotCommand::kShowLegend)->isChecked(), !legend);
    w.MenuItem(PlotCommand::kShowLegend)->trigger();
    EXPECT_EQ(Chart2D().LineLegendVisible(), legend);
    for (auto [command, axis] : {std::pair{PlotCommand::kVertGrid, TPlot::Axis::kX},
                                 std::pair{PlotCommand::kHorisGrid, TPlot::Axis::kY}}) {
        const bool grid = Chart2D().AxisGrid(axis);
        w.Command(command)->trigger();
        EXPECT_EQ(Chart2D().AxisGrid(axis), !grid);
        EXPECT_EQ(Chart2D().AxisGrid(axis == TPlot::Axis::kX ? TPlot::Axis::kY : TPlot::Axis::kX),
                  true);
        w.Command(command)->trigger();
    }
}

TEST_F(Plot2DTest, The3DViewTwiceRestoresFrameAndTicks) {
    PlotCurve(QStringLiteral("X"));
    TfmPlot2D& w = window->Plot2DWindow();
    QCPAxis* x = Chart2D().Canvas().xAxis;
    const int frame = x->basePen().width();
    const int tickOut = x->tickLengthOut();
    const bool subTicks = x->subTicks();
    w.Command(PlotCommand::kView3D)->trigger();
    EXPECT_EQ(Chart2D().Frame().view3D, kView3DDepth);
    EXPECT_EQ(x->basePen().width(), kView3DFrameWidth);
    EXPECT_EQ(x->tickLengthIn(), kView3DFrameWidth);
    EXPECT_FALSE(x->subTicks());
    w.Command(PlotCommand::kView3D)->trigger();
    EXPECT_EQ(Chart2D().Frame().view3D, 0);
    EXPECT_EQ(x->basePen().width(), frame);
    EXPECT_EQ(x->tickLengthOut(), tickOut);
    EXPECT_EQ(x->tickLengthIn(), 0);
    EXPECT_EQ(x->subTicks(), subTicks);
}

TEST_F(Plot2DTest, SavedPicturesAreRealImagesOfThePlot) {
    PlotCurve(QStringLiteral("sin(X)*exp(-X/10)"));
    TfmPlot2D& w = window->Plot2DWindow();
    QTemporaryDir dir;
    for (const char* name : {"plot.png", "plot.bmp", "plot.svg", "plot.pdf"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        dialogs.onSaveFile = [&](const QString& title) {
            EXPECT_EQ(title, QStringLiteral("Save to file"));
            return path;
        };
        w.Command(PlotCommand::kSaveAs)->trigger();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (path.endsWith(".svg")) {
            EXPECT_TRUE(bytes.contains("<svg"));
            EXPECT_TRUE(bytes.contains("<path") || bytes.contains("<polyline"));
        } else if (path.endsWith(".pdf")) {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            EXPECT_GT(bytes.size(), 2000);
        } else {
            QImage image(path);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), Chart2D().Canvas().size());
            EXPECT_GT(InkPixels(image), 500) << "the picture shows axes and a curve";
        }
    }
}

TEST_F(Plot2DTest, PrintsToPdfAndCopiesThePicture) {
    PlotCurve(QStringLiteral("X"));
    TfmPlot2D& w = window->Plot2DWindow();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("print.pdf"));
    dialogs.onPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    w.Command(PlotCommand::kPrint)->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    QApplication::clipboard()->clear();
    w.Command(PlotCommand::kCopy)->trigger();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_GT(InkPixels(copied), 500);
}

TEST_F(Plot2DTest, ExportedDataImportsBackAsNewSeries) {
    PlotCurve(QStringLiteral("X^2"), "0", "3", "4");
    TfmPlot2D& w = window->Plot2DWindow();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.csv"));
    dialogs.onSaveFile = [&](const QString&) { return path; };
    w.Command(PlotCommand::kExport)->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.startsWith("f(X^2) x,f(X^2) y\r\n"));

    QApplication::clipboard()->setText(QString::fromUtf8(csv));
    w.Command(PlotCommand::kImport)->trigger();
    ASSERT_EQ(Chart2D().SeriesCount(), 2);
    const std::vector<SeriesData> data = Chart2D().SeriesDataList();
    EXPECT_EQ(data[1].x, data[0].x);
    EXPECT_EQ(data[1].y, data[0].y);
    EXPECT_NE(Chart2D().Series(1)->Color(), Chart2D().Series(0)->Color());

    dialogs.messagesExpected = true;
    QApplication::clipboard()->setText(QStringLiteral("a,b\n1,x\n"));
    w.Command(PlotCommand::kImport)->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Line 2: \"x\" is not a number"));
    EXPECT_EQ(Chart2D().SeriesCount(), 2);
}

TEST_F(Plot2DTest, PropertiesRenameRecolourRestyleAndDeleteSeries) {
    PlotCurve(QStringLiteral("X"));
    PlotCurve(QStringLiteral("2*X"));
    TfmPlot2D& w = window->Plot2DWindow();
    dialogs.onColor = [](const QColor&) { return QColor(Qt::darkYellow); };
    dialogs.onDialog = [](QDialog& dialog) {
        auto* d = static_cast<ChartPropertiesDialog*>(&dialog);
        d->findChild<QLineEdit*>("edChartTitle")->setText(QStringLiteral("Lines"));
        d->findChild<QLineEdit*>("edXMin")->setText(QStringLiteral("-2"));
        d->findChild<QLineEdit*>("edXMax")->setText(QStringLiteral("4"));
        auto* list = d->findChild<QListWidget*>("lbSeries");
        list->setCurrentRow(1);
        auto* name = d->findChild<QLineEdit*>("edSeriesName");
        name->setText(QStringLiteral("double"));
        emit name->textEdited(name->text());
        d->findChild<QComboBox*>("cbSeriesLine")
            ->setCurrentIndex(static_cast<int>(ChartLine::kDash));
        d->findChild<QComboBox*>("cbSeriesMarker")
            ->setCurrentIndex(static_cast<int>(ChartMarker::kStar));
        d->findChild<QPushButton*>("sbSeriesColor")->click();
        list->setCurrentRow(0);
        d->findChild<QPushButton*>("bbDeleteSeries")->click();
        return static_cast<int>(QDialog::Accepted);
    };
    w.Command(PlotCommand::kProperties)->trigger();
    ASSERT_EQ(Chart2D().SeriesCount(), 1);
    ChartSeries* left = Chart2D().Series(0);
    EXPECT_EQ(left->name(), QStringLiteral("double"));
    EXPECT_EQ(left->Color(), QColor(Qt::darkYellow));
    EXPECT_EQ(left->Line(), ChartLine::kDash);
    EXPECT_EQ(left->Marker(), ChartMarker::kStar);
    EXPECT_EQ(Chart2D().Title(), QStringLiteral("Lines"));
    EXPECT_DOUBLE_EQ(Chart2D().View().xMin, -2);
    EXPECT_DOUBLE_EQ(Chart2D().View().xMax, 4);

    dialogs.messagesExpected = true;
    dialogs.onDialog = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("edYMax")->setText(QStringLiteral("-1e9"));
        return static_cast<int>(QDialog::Accepted);
    };
    w.Command(PlotCommand::kProperties)->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              QStringLiteral("The greatest value of an axis must be more than its least"));
    EXPECT_EQ(Chart2D().SeriesCount(), 1);
}

TEST_F(Plot2DTest, ShowPlotsOffersTheWindowOnceItWasShown) {
    auto* menu = Find<QMenu>("pmPlots");
    QAction* item = menu->findChild<QAction*>("miPlot2D");
    EXPECT_FALSE(Button("bbShowPlots")->isEnabled());
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(menu->findChild<QAction*>("miSurface")->isEnabled());
    PlotCurve(QStringLiteral("X"));
    EXPECT_TRUE(Button("bbShowPlots")->isEnabled());
    EXPECT_TRUE(item->isEnabled());
    window->Plot2DWindow().close();
    EXPECT_FALSE(window->Plot2DWindow().isVisible());
    EXPECT_EQ(Chart2D().SeriesCount(), 1) << "closing only hides";
    item->trigger();
    EXPECT_TRUE(window->Plot2DWindow().isVisible());
}

}  // namespace
}  // namespace kalvo
