#include "core/cable_raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

PixelSet StrokePixels(const Segment& segment, int32_t width, const CanvasRect& clip) {
    PixelSet pixels;
    ForEachStrokeSpan(MakeWideStroke(segment, width), clip, [&](int32_t y, int32_t from, int32_t to) {
        EXPECT_LT(from, to);
        for (int32_t x = from; x < to; ++x)
            pixels.insert({x, y});
    });
    return pixels;
}

// Distance from a pixel centre to the segment, the stroke's centre line moved half a pixel up and
// left for even widths.
double Distance(const Segment& s, int32_t width, double px, double py) {
    const double shift = width % 2 ? 0 : 0.5;
    const double ax = s.from.x - shift, ay = s.from.y - shift, bx = s.to.x - shift, by = s.to.y - shift;
    const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0;
    t = std::max(0.0, std::min(1.0, t));
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

TEST(WideStrokeTest, CoversExactlyThePixelsNearerThanHalfItsWidthInAnyClip) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> coordinate(-20, 60);
    const CanvasRect area = {-30, -30, 70, 70};
    for (int i = 0; i < 250; ++i) {
        const Segment segment = {{coordinate(random), coordinate(random)},
                                 {i % 5 ? coordinate(random) : 10, i % 7 ? coordinate(random) : 10}};
        for (int32_t width : {2, 3, 4, 5}) {
            std::vector<char> drawn(100 * 100);
            ForEachStrokeSpan(MakeWideStroke(segment, width), area, [&](int32_t y, int32_t from, int32_t to) {
                for (int32_t x = from; x < to; ++x)
                    drawn[(y + 30) * 100 + x + 30] = 1;
            });
            // A small clip gets exactly its share, whatever rows it skips.
            std::uniform_int_distribution<int32_t> corner(-30, 55);
            const int32_t clipX = corner(random), clipY = corner(random);
            const CanvasRect clip = {clipX, clipY, clipX + 1 + i % 12, clipY + 1 + i % 9};
            for (const auto& pixel : StrokePixels(segment, width, clip))
                ASSERT_EQ(drawn[(pixel.second + 30) * 100 + pixel.first + 30], 1) << "outside the stroke";
            size_t inside = 0;
            for (int32_t y = clip.top; y < clip.bottom; ++y)
                for (int32_t x = clip.left; x < clip.right; ++x)
                    inside += drawn[(y + 30) * 100 + x + 30];
            ASSERT_EQ(StrokePixels(segment, width, clip).size(), inside) << "clip " << clipX << "," << clipY;
            for (int32_t y = area.top; y < area.bottom; ++y) {
                for (int32_t x = area.left; x < area.right; ++x) {
                    const double distance = Distance(segment, width, x, y);
                    if (std::fabs(distance - width / 2.0) < 1e-9)
                        continue;  // on the edge: either answer is the same stroke
                    ASSERT_EQ(drawn[(y + 30) * 100 + x + 30] == 1, distance < width / 2.0)
                        << "width " << width << " (" << segment.from.x << "," << segment.from.y << ")-(" << segment.to.x
                        << "," << segment.to.y << ") pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST(WideStrokeTest, WidthIsTheNumberOfRowsOrColumnsCovered) {
    const CanvasRect area = {0, 0, 100, 100};
    // Level: rows 19 and 20 for two pixels, 19 to 21 for three, and round ends past x = 10 and 60.
    const PixelSet two = StrokePixels({{10, 20}, {60, 20}}, 2, area);
    const PixelSet three = StrokePixels({{10, 20}, {60, 20}}, 3, area);
    for (int x = 10; x < 60; ++x) {
        EXPECT_EQ(two.count({x, 18}) + two.count({x, 19}) + two.count({x, 20}) + two.count({x, 21}), 2u) << x;
        EXPECT_TRUE(two.count({x, 19}) && two.count({x, 20})) << x;
        EXPECT_TRUE(three.count({x, 19}) && three.count({x, 20}) && three.count({x, 21})) << x;
        EXPECT_FALSE(three.count({x, 18}) || three.count({x, 22})) << x;
    }
    EXPECT_TRUE(three.count({9, 20}) && three.count({61, 20}));
    EXPECT_FALSE(three.count({8, 20}) || three.count({62, 20}));
    // Upright, and a point: a round dot.
    const PixelSet upright = StrokePixels({{40, 10}, {40, 90}}, 3, area);
    EXPECT_TRUE(upright.count({39, 50}) && upright.count({40, 50}) && upright.count({41, 50}));
    EXPECT_EQ(upright.count({42, 50}), 0u);
    EXPECT_EQ(StrokePixels({{50, 50}, {50, 50}}, 3, area).size(), 9u);
    // Cut to the clip; far-off ends cost nothing outside it.
    EXPECT_EQ(StrokePixels({{-1000000000, 20}, {1000000000, 20}}, 3, {5, 0, 15, 100}).size(), 30u);
    EXPECT_TRUE(StrokePixels({{10, 20}, {60, 20}}, 3, {0, 30, 100, 100}).empty());
}

PixelSet DotPixels(const Segment& segment, const CanvasRect& clip) {
    PixelSet pixels;
    ForEachDotPixel(segment, clip, [&](int32_t x, int32_t y) { EXPECT_TRUE(pixels.insert({x, y}).second); });
    return pixels;
}

TEST(DottedStrokeTest, ThreeOnThreeOffFromTheStartTheEndLeftOut) {
    const CanvasRect area = {-100, -100, 200, 200};
    const PixelSet level = DotPixels({{2, 5}, {20, 5}}, area);
    EXPECT_EQ(level, (PixelSet{{2, 5}, {3, 5}, {4, 5}, {8, 5}, {9, 5}, {10, 5}, {14, 5}, {15, 5}, {16, 5}}));
    const PixelSet back = DotPixels({{20, 6}, {2, 6}}, area);
    EXPECT_TRUE(back.count({20, 6}) && back.count({18, 6}) && !back.count({17, 6}) && back.count({14, 6}));
    EXPECT_FALSE(back.count({2, 6})) << "the end is left out";
    const PixelSet steep = DotPixels({{5, 0}, {7, 9}}, area);
    EXPECT_EQ(steep, (PixelSet{{5, 0}, {5, 1}, {5, 2}, {6, 6}, {7, 7}, {7, 8}}));
    EXPECT_TRUE(DotPixels({{5, 5}, {5, 5}}, area).empty());
}

TEST(DottedStrokeTest, AnyClipGetsExactlyItsShareOfTheWholeStroke) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int32_t> coordinate(-40, 140);
    const CanvasRect area = {-100, -100, 200, 200};
    for (int i = 0; i < 500; ++i) {
        const Segment segment = {{coordinate(random), coordinate(random)}, {coordinate(random), coordinate(random)}};
        const PixelSet whole = DotPixels(segment, area);
        const int32_t x = coordinate(random), y = coordinate(random);
        const CanvasRect clip = {x, y, x + 1 + i % 30, y + 1 + i % 20};
        PixelSet expected;
        for (const auto& pixel : whole)
            if (pixel.first >= clip.left && pixel.first < clip.right && pixel.second >= clip.top &&
                pixel.second < clip.bottom)
                expected.insert(pixel);
        ASSERT_EQ(DotPixels(segment, clip), expected) << i;
    }
    // Far-off ends: only the clip's steps are visited.
    EXPECT_EQ(DotPixels({{INT32_MIN, 7}, {INT32_MAX, 7}}, {0, 0, 6, 10}).size(), 3u);
}

// The columns a segment reaches over a band of rows hold every pixel its stroke draws there: a
// drawing that skips parts outside them loses nothing.
TEST(SegmentColumnsTest, HoldEveryPixelTheStrokeDrawsInTheRows) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int32_t> coordinate(-40, 140);
    for (int i = 0; i < 2000; ++i) {
        const Segment segment = {{coordinate(random), coordinate(random)},
                                 {i % 9 ? coordinate(random) : 50, i % 11 ? coordinate(random) : 60}};
        const int32_t top = coordinate(random), bottom = top + 1 + i % 40;
        const CanvasRect band = {-1000, top, 1000, bottom};
        for (int32_t width : {1, 2, 3}) {
            const PixelSet drawn = width == 1 ? DotPixels(segment, band) : StrokePixels(segment, width, band);
            double left = 0, right = 0;
            const bool reached = SegmentColumnsWithin(segment, width / 2.0 + 1, top, bottom, &left, &right);
            ASSERT_TRUE(reached || drawn.empty()) << i;
            for (const auto& pixel : drawn)
                ASSERT_TRUE(pixel.first >= left && pixel.first <= right) << i << " width " << width;
        }
    }
}

}  // namespace
