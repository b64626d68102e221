#include <gtest/gtest.h>

#include "plot/aspect_fit.h"
#include "plot/chart_frame.h"
#include "plot/chart_markers.h"
#include "plot/zoom_levels.h"

namespace kalvo {
namespace {

TEST(MarkerIndices, MarksEveryKthPointAndTheLast) {
    struct Row {
        const char* name;
        int count;
        int interval;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {"every fourth, then the last", 13, 4, {0, 4, 8, 12}},
        {"last point added when off the grid", 14, 4, {0, 4, 8, 12, 13}},
        {"every point when 3k reaches the count", 12, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"interval 0 counts as 1", 3, 0, {0, 1, 2}},
        {"one point", 1, 5, {0}},
        {"no points", 0, 5, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MarkerIndices(row.count, row.interval), row.expected);
    }
}

TEST(MarkerIndices, CurveOf200PointsIsMarkedEveryTenthPoint) {
    const std::vector<int> marks = MarkerIndices(200, CurveMarkerInterval(200));
    ASSERT_EQ(marks.size(), 21u);
    for (std::size_t i = 0; i + 1 < marks.size(); ++i) {
        EXPECT_EQ(marks[i], static_cast<int>(i) * 10);
    }
    EXPECT_EQ(marks.back(), 199);
}

TEST(FirstFree, TakesTheFirstUnusedThenTheLeastUsed) {
    EXPECT_EQ(FirstFree({}, 4), 0);
    EXPECT_EQ(FirstFree({0, 1}, 4), 2);
    EXPECT_EQ(FirstFree({1, 0, 3}, 4), 2);
    EXPECT_EQ(FirstFree({0, 1, 2, 3, 0, 2}, 4), 1);
    EXPECT_EQ(FirstFree({7, -1}, 3), 0) << "entries outside the palette are ignored";
}

TEST(ZoomLevels, KeepsAStackOfViewsAndOffersGoingBackWhileAnyIsHeld) {
    ZoomLevels zoom;
    EXPECT_FALSE(zoom.CanGoBack());
    const ChartView full{-10, 10, -5, 5};
    zoom.SetMode(true);
    EXPECT_TRUE(zoom.CanGoBack()) << "zoom mode alone offers going back";
    auto first = zoom.ZoomTo(full, {2, -2, 3, 1});
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (ChartView{-2, 2, 1, 3})) << "the marked corners are ordered";
    auto second = zoom.ZoomTo(*first, {0, 1, 1, 2});
    ASSERT_TRUE(second);
    EXPECT_EQ(zoom.Count(), 2);
    EXPECT_FALSE(zoom.ZoomTo(*second, {0, 0, 1, 2})) << "a rectangle of no width";
    EXPECT_EQ(zoom.Count(), 2);

    EXPECT_EQ(zoom.Previous(), first);
    EXPECT_EQ(zoom.Previous(), full);
    EXPECT_FALSE(zoom.Previous());
    zoom.SetMode(false);
    EXPECT_FALSE(zoom.CanGoBack());
}

TEST(ZoomLevels, LeaveAllReturnsTheFullViewAndEndsZoomMode) {
    ZoomLevels zoom;
    zoom.SetMode(true);
    const ChartView full{0, 1, 0, 1};
    auto in = zoom.ZoomTo(full, {0.2, 0.4, 0.2, 0.4});
    zoom.ZoomTo(*in, {0.25, 0.3, 0.25, 0.3});
    EXPECT_EQ(zoom.LeaveAll(), full);
    EXPECT_EQ(zoom.Count(), 0);
    EXPECT_FALSE(zoom.Mode());
    EXPECT_FALSE(zoom.LeaveAll());
}

TEST(ToggleView3D, TwiceRestoresTheFrameOfBefore) {
    ChartFrame frame = DefaultChartFrame();
    frame.frameWidth = 3;
    frame.y.majorLength = 6;
    const ChartFrame before = frame;
    int saved = 0;
    ToggleView3D(frame, saved);
    EXPECT_EQ(frame.view3D, kView3DDepth);
    EXPECT_EQ(frame.frameWidth, kView3DFrameWidth);
    EXPECT_EQ(saved, 3);
    for (const TickStyle* t : {&frame.x, &frame.y}) {
        EXPECT_TRUE(t->inward);
        EXPECT_FALSE(t->minorVisible);
        EXPECT_TRUE(t->majorVisible);
        EXPECT_EQ(t->majorLength, frame.frameWidth);
    }
    EXPECT_EQ(frame.x2, before.x2) << "the secondary axes keep their ticks";
    ToggleView3D(frame, saved);
    EXPECT_EQ(frame.view3D, 0);
    EXPECT_EQ(frame.frameWidth, 3);
    EXPECT_FALSE(frame.x.inward);
    EXPECT_TRUE(frame.x.minorVisible);
    EXPECT_EQ(frame.x.majorLength, 4);
    EXPECT_EQ(frame.y.minorLength, 2);
    EXPECT_FALSE(frame.y.inward);
}

TEST(FitAspect, KeepsTheVerticalScaleAtTheExaggeration) {
    struct Row {
        const char* name;
        PixelSize available;
        double xSpan, ySpan, exaggeration;
        PixelSize expected;
    };
    const Row rows[] = {
        {"0 fills the area", {400, 300}, 20, 10, 0, {400, 300}},
        {"width limits", {400, 400}, 20, 10, 1, {400, 200}},
        {"height limits", {400, 100}, 20, 10, 1, {200, 100}},
        {"exaggeration 2", {400, 400}, 20, 10, 2, {400, 400}},
        {"exaggeration 4, height limits", {400, 400}, 20, 10, 4, {200, 400}},
        {"empty span fills", {400, 300}, 0, 10, 1, {400, 300}},
        {"huge exaggeration stays one pixel wide", {400, 300}, 1, 1, 1e30, {1, 300}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FitAspect(row.available, row.xSpan, row.ySpan, row.exaggeration), row.expected);
    }
}

}  // namespace
}  // namespace kalvo
