#include "core/view_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Request = ScrollRequest;

TEST(ZoomTest, PositionsGiveFactorsAndLabels) {
    struct Row {
        int32_t position;
        float factor;
        const char* label;
    } rows[] = {
        {-6, 1 / 6.0f, "0.17"}, {-5, 0.2f, "0.20"}, {-4, 0.25f, "0.25"}, {-3, 0.33333334f, "0.33"}, {-2, 0.5f, "0.50"},
        {-1, 1.0f, "1.00"},     {0, 1.0f, "1.00"},  {1, 1.0f, "1.00"},   {2, 2.0f, "2.00"},         {3, 3.0f, "3.00"},
        {4, 4.0f, "4.00"},      {5, 5.0f, "5.00"},  {6, 6.0f, "6.00"},
    };
    for (const Row& row : rows) {
        float factor = ZoomFromPosition(row.position);
        EXPECT_EQ(factor, row.factor) << row.position;
        char text[32];
        FormatZoomLabel(factor, text, sizeof text);
        EXPECT_STREQ(text, row.label) << row.position;
    }
    EXPECT_GT(ZoomFromPosition(INT32_MIN), 0.0f);
}

TEST(ZoomTest, LabelNeverOverrunsASmallBuffer) {
    char text[4] = {'x', 'x', 'x', 'x'};
    FormatZoomLabel(0.33333334f, text, 3);
    EXPECT_STREQ(text, "0.");
    EXPECT_EQ(text[3], 'x');
    FormatZoomLabel(2.0f, text, 0);
    EXPECT_STREQ(text, "0.");
}

TEST(ZoomTest, ZoomedLengthTruncatesTheSinglePrecisionProduct) {
    struct Row {
        int32_t canvas;
        int32_t position;
        int32_t zoomed;
    } rows[] = {
        {500, -3, 166}, {400, -3, 133}, {500, -2, 250}, {500, -6, 83},     {5, -6, 0},
        {500, 1, 500},  {500, 2, 1000}, {400, 6, 2400}, {16384, 6, 98304},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ZoomedLength(row.canvas, ZoomFromPosition(row.position)), row.zoomed)
            << row.canvas << " " << row.position;
    EXPECT_EQ(ZoomedLength(INT32_MAX, 6.0f), INT32_MAX);
    EXPECT_EQ(ZoomedLength(INT32_MIN, 6.0f), INT32_MIN);
}

TEST(ScrollTest, AxisFollowsZoomedLengthAndClient) {
    struct Row {
        int32_t zoomed, client;
        ScrollAxis expected;
    } rows[] = {
        {500, 800, {500, 501, 0}},  // wider client: disabled
        {400, 600, {400, 401, 0}},
        {500, 501, {500, 501, 0}},
        {500, 500, {500, 500, 1}},  // the end shows one column of background
        {500, 300, {500, 300, 201}},
        {400, 200, {400, 200, 201}},
        {1000, 800, {1000, 800, 201}},
        {800, 600, {800, 600, 201}},
        {0, 300, {0, 1, 0}},      // nothing drawn at all
        {500, 0, {500, 1, 500}},  // minimised: page 1 keeps maxPos inside the range
        {500, -20, {500, 1, 500}},
        {-5, 300, {0, 1, 0}},
        {INT32_MAX, INT32_MAX, {INT32_MAX, INT32_MAX, 1}},
    };
    for (const Row& row : rows) {
        ScrollAxis axis = ScrollAxisFor(row.zoomed, row.client);
        EXPECT_EQ(axis.maximum, row.expected.maximum) << row.zoomed << " in " << row.client;
        EXPECT_EQ(axis.page, row.expected.page) << row.zoomed << " in " << row.client;
        EXPECT_EQ(axis.maxPos, row.expected.maxPos) << row.zoomed << " in " << row.client;
    }
    // A bar read back from the platform: a page never set, or one wider than the range.
    EXPECT_EQ(LargestScrollPosition(INT32_MAX, 0), INT32_MAX);
    EXPECT_EQ(LargestScrollPosition(500, 800), 0);
}

TEST(ScrollTest, ZoomingOutPullsScrollBackAndGrowingClientResetsIt) {
    int32_t scrollX = 150;
    ASSERT_LE(scrollX, ScrollAxisFor(ZoomedLength(500, ZoomFromPosition(2)), 400).maxPos);
    ScrollAxis axis = ScrollAxisFor(ZoomedLength(500, ZoomFromPosition(1)), 400);
    EXPECT_EQ(axis.maxPos, 101);
    scrollX = std::min(scrollX, axis.maxPos);
    EXPECT_EQ(scrollX, 101);
    EXPECT_EQ(std::min(scrollX, ScrollAxisFor(500, 800).maxPos), 0);
}

TEST(ScrollTest, RequestsMoveAndClampThePosition) {
    struct Row {
        Request request;
        int32_t pos, trackPos, maxPos, expected;
    } rows[] = {
        {Request::PAGE_ON, 195, 0, 201, 201},
        {Request::PAGE_BACK, 5, 0, 201, 0},
        {Request::PAGE_ON, 100, 0, 201, 110},
        {Request::PAGE_BACK, 100, 0, 201, 90},
        {Request::LINE_BACK, 0, 0, 201, 0},
        {Request::LINE_ON, 0, 0, 201, 1},
        {Request::LINE_ON, 201, 0, 201, 201},
        {Request::LINE_ON, 0, 0, 0, 0},
        {Request::THUMB_POSITION, 50, 80, 201, 50},
        {Request::END_SCROLL, 50, 80, 201, 50},
        {Request(0xFFFF), 50, 80, 201, 50},
        {Request::THUMB_TRACK, 50, 80, 201, 80},
        {Request::THUMB_TRACK, 50, 300, 201, 201},
        {Request::THUMB_TRACK, 50, -3, 201, 0},
        {Request::TO_START, 50, 0, 201, 0},
        {Request::TO_END, 50, 0, 201, 201},
        {Request::THUMB_POSITION, 300, 0, 201, 300},  // nothing moves, not even back
        {Request::THUMB_TRACK, INT32_MIN, INT32_MAX, 201, 201},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScrolledPosition(row.request, row.pos, row.trackPos, row.maxPos), row.expected)
            << "request " << uint32_t(row.request) << " at " << row.pos;
}

TEST(CanvasFromClientTest, MatchesWorkedPoints) {
    struct Row {
        int32_t client, scroll, canvas, zoomed, expected;
    } rows[] = {
        {0, 0, 500, 1000, 0},
        {1, 0, 500, 1000, 0},
        {2, 0, 500, 1000, 1},
        {999, 0, 500, 1000, 499},
        {-1, 0, 500, 1000, -1},
        {-3, 0, 500, 1000, -2},
        {0, 201, 500, 1000, 100},  // zoom 2
        {1, 0, 500, 166, 3},
        {165, 0, 500, 166, 496},
        {166, 0, 500, 166, 500},  // zoom 1/3
        {50, 100, 2000, 666, 450},
        {-1, 0, 2000, 666, -4},  // zoom 1/3, scrolled
        {1, 0, 500, 83, 6},
        {82, 0, 500, 83, 493},  // zoom 1/6
        {5, 0, 500, 3000, 0},
        {6, 0, 500, 3000, 1},
        {-6, 0, 500, 3000, -1},
        {-7, 0, 500, 3000, -2},
        {298, 201, 500, 500, 499},
        {299, 201, 500, 500, 500},  // scrolled to the end: background after 499
        {7, 3, 500, 0, 10},
        {7, 3, 0, 500, 10},  // nothing drawn
        {INT32_MAX, INT32_MAX, 16384, 1, INT32_MAX},
        {INT32_MIN, INT32_MIN, 16384, 1, INT32_MIN},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CanvasFromClient(row.client, row.scroll, row.canvas, row.zoomed), row.expected)
            << row.client << "+" << row.scroll << " for " << row.canvas << "->" << row.zoomed;
}

TEST(CanvasFromClientTest, UnzoomedAndUnscrolledIsIdentity) {
    for (int32_t client = -600; client <= 600; ++client)
        ASSERT_EQ(CanvasFromClient(client, 0, 500, 500), client);
}

// The stretch hands canvas column c the zoomed span [c*Z/C, (c+1)*Z/C); a window column shows the canvas
// column in whose span its left edge lies. Walking the spans must agree with the inverse everywhere.
TEST(CanvasFromClientTest, InvertsTheStretchColumnForColumn) {
    for (int32_t canvas : {500, 400, 7, 16384}) {
        for (int32_t position : {2, 3, 6, -2, -3, -6}) {
            int32_t zoomed = ZoomedLength(canvas, ZoomFromPosition(position));
            std::vector<int32_t> shown;
            for (int64_t c = 0; c < canvas; ++c)
                while (static_cast<int64_t>(shown.size()) * canvas < (c + 1) * zoomed)
                    shown.push_back(static_cast<int32_t>(c));
            ASSERT_EQ(static_cast<int32_t>(shown.size()), zoomed);
            for (int32_t scroll : {0, 1, 201}) {
                for (int32_t d = 0; d < zoomed; ++d)
                    ASSERT_EQ(CanvasFromClient(d - scroll, scroll, canvas, zoomed), shown[d])
                        << canvas << " at " << position << ", window column " << d;
            }
            if (position == 2) {
                for (int32_t c = 0; c < canvas; ++c) {
                    EXPECT_EQ(CanvasFromClient(2 * c, 0, canvas, zoomed), c);
                    EXPECT_EQ(CanvasFromClient(2 * c + 1, 0, canvas, zoomed), c);
                }
            }
        }
    }
}

}  // namespace

// Where a canvas point shows in the window (the label field's place): the first window pixel
// showing it, zoomed in; zoomed out, the one showing the point at or just before it. The window's
// tests cover the wheel's and the thumbnail's sums.
TEST(ViewMappingTest, ClientFromCanvasFindsThePixelShowingThePoint) {
    for (int32_t canvas : {0, 7, 333, 499}) {
        EXPECT_EQ(CanvasFromClient(ClientFromCanvas(canvas, 40, 500, 1500), 40, 500, 1500), canvas) << canvas;
        EXPECT_EQ(CanvasFromClient(ClientFromCanvas(canvas, 40, 500, 1500) - 1, 40, 500, 1500), canvas - 1);
        const int32_t shown = CanvasFromClient(ClientFromCanvas(canvas, 40, 500, 166), 40, 500, 166);
        EXPECT_TRUE(shown <= canvas && shown > canvas - 4) << canvas;
    }
}
