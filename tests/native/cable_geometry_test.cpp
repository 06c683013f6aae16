#include "core/cable_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Seg {
    int32_t x1, y1, x2, y2;
    bool operator==(const Seg& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

void PrintTo(const Seg& s, std::ostream* os) {
    *os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

std::vector<Seg> Segments(int32_t type, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    CableSegments out = CableGeometry(CableType(type), x1, y1, x2, y2);
    std::vector<Seg> result;
    for (int i = 0; i < out.count; ++i)
        result.push_back({out.segment[i].from.x, out.segment[i].from.y, out.segment[i].to.x, out.segment[i].to.y});
    return result;
}

TEST(CableStyleTest, TableGivesEachTypeItsLookAndUnknownTypesNothing) {
    struct Row {
        CableType type;
        StrokeStyle stroke;
        uint32_t colour;
        int32_t width;
    } rows[] = {
        {CABLE_STRAIGHT, STROKE_SOLID, 0x00FF0000, 2},  {CABLE_CROSS, STROKE_DOTTED, 0x00FF0000, 1},
        {CABLE_SERIAL, STROKE_SOLID, 0x00646400, 2},    {CABLE_CONSOLE, STROKE_SOLID, 0x00FFFF00, 3},
        {CABLE_TELEPHONE, STROKE_SOLID, 0x00000000, 3}, {CABLE_MET, STROKE_SOLID, 0x0000C8C8, 3},
        {CABLE_OPTICAL, STROKE_SOLID, 0x000000FF, 3},
    };
    for (const Row& row : rows) {
        CableStyle style{};
        ASSERT_TRUE(CableStyleFor(row.type, &style)) << row.type;
        EXPECT_EQ(style.stroke, row.stroke) << row.type;
        EXPECT_EQ(style.colour, row.colour) << row.type;
        EXPECT_EQ(style.width, row.width) << row.type;
    }
    for (int32_t type : {0, 8, 10, -1, INT32_MIN, INT32_MAX}) {
        CableStyle style{};
        EXPECT_FALSE(CableStyleFor(CableType(type), &style)) << type;
        EXPECT_EQ(CableGeometry(CableType(type), 100, 100, 200, 200).count, 0) << type;
    }
}

TEST(CableGeometryTest, PlainKindsAreOneSegmentBetweenTheEnds) {
    for (int16_t type : {1, 4, 5, 6, 7})
        EXPECT_EQ(Segments(type, 100, 100, 200, 100), (std::vector<Seg>{{100, 100, 200, 100}})) << type;
}

TEST(CableGeometryTest, CrossCopiesDependOnDirection) {
    struct Case {
        int32_t x1, y1, x2, y2;
        std::vector<Seg> expected;
    } cases[] = {
        {10, 20, 60, 20, {{10, 20, 60, 20}, {10, 21, 60, 21}}},                    // horizontal: one row lower
        {10, 20, 10, 70, {{10, 20, 10, 70}, {11, 20, 11, 70}}},                    // vertical: one column right
        {10, 70, 60, 20, {{10, 70, 60, 20}, {11, 70, 61, 20}, {10, 69, 60, 19}}},  // rising
        {60, 20, 10, 70, {{60, 20, 10, 70}, {61, 20, 11, 70}, {60, 19, 10, 69}}},  // rising, ends swapped
        {10, 20, 60, 70, {{10, 20, 60, 70}, {10, 21, 60, 71}, {9, 20, 59, 70}}},   // falling
        {60, 70, 10, 20, {{60, 70, 10, 20}, {60, 71, 10, 21}, {59, 70, 9, 20}}},   // falling, ends swapped
        // Zero length is both horizontal and vertical.
        {50, 50, 50, 50, {{50, 50, 50, 50}, {50, 51, 50, 51}, {50, 50, 50, 50}, {51, 50, 51, 50}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Segments(CABLE_CROSS, c.x1, c.y1, c.x2, c.y2), c.expected)
            << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ")";
}

TEST(CableGeometryTest, CrossShiftsSaturateAtTheEdgesOfTheRange) {
    std::vector<Seg> segments = Segments(CABLE_CROSS, INT32_MAX, 0, INT32_MAX, 10);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[1].x1, INT32_MAX);
}

TEST(CableGeometryTest, SerialZigZagBendsNearTheMidpoint) {
    struct Case {
        int32_t x1, y1, x2, y2;
        int32_t p1x, p1y, p2x, p2y;
    } cases[] = {
        {100, 100, 200, 100, 153, 96, 146, 103},
        {200, 100, 100, 100, 146, 103, 153, 96},  // swapped ends swap the bends
        {100, 100, 100, 200, 103, 153, 96, 146},
        {100, 100, 200, 200, 155, 150, 145, 150},  // middle stroke horizontal
        {100, 200, 200, 100, 150, 145, 150, 155},  // middle stroke vertical
        {100, 100, 300, 150, 204, 122, 195, 127},
        {10, 10, 13, 10, 14, 6, 7, 13},           // midpoint x 23 / 2 = 11
        {-5, 0, 0, 0, 1, -3, -5, 3},              // midpoint x -5 / 2 = -2, bends truncated toward zero
        {50, 50, 50, 50, 53, 46, 46, 53},         // zero length still draws the stroke
        {100, 100, -110, 130, -8, 119, -1, 111},  // sine rounded to float first: P2 x is -1, not -2
    };
    for (const Case& c : cases) {
        std::vector<Seg> expected = {
            {c.x1, c.y1, c.p1x, c.p1y}, {c.p1x, c.p1y, c.p2x, c.p2y}, {c.p2x, c.p2y, c.x2, c.y2}};
        EXPECT_EQ(Segments(CABLE_SERIAL, c.x1, c.y1, c.x2, c.y2), expected)
            << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ")";
    }
}

TEST(CableGeometryTest, DiagonalSerialBendIsDecidedBySinglePrecision) {
    // Without rounding the bend to float, 150 - b lands just below 150 and truncates to 149.
    double theta = std::atan2(100.0, 100.0) + SERIAL_ANGLE_OFFSET;
    double b = static_cast<float>(std::cos(theta)) * SERIAL_ARM;
    ASSERT_GT(b, 0.0);
    ASSERT_EQ(static_cast<int32_t>(150 - b), 149);
    EXPECT_EQ(CableGeometry(CABLE_SERIAL, 100, 100, 200, 200).segment[0].to.y, 150);
}

TEST(CableGeometryTest, SerialAtFarEndsDoesNotOverflow) {
    std::vector<Seg> segments = Segments(CABLE_SERIAL, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].x2, INT32_MAX);
    segments = Segments(CABLE_SERIAL, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN);
    EXPECT_EQ(segments[1].x2, INT32_MIN);
}

// A click hits a cable within reach of what it draws, whatever its look: the serial cable's bend,
// the cross cable's copies, a wide line; not beyond.
TEST(CableLiesNearTest, WithinReachOfEveryLook) {
    struct Case {
        CableType type;
        CanvasPoint point;
        bool near;
    } cases[] = {
        {CABLE_STRAIGHT, {150, 104}, true}, {CABLE_STRAIGHT, {150, 105}, false},  // width 2: 1 + 3
        {CABLE_MET, {150, 104}, true},      {CABLE_MET, {150, 105}, false},       // width 3: 1.5 + 3
        {CABLE_CROSS, {150, 104}, true},    {CABLE_CROSS, {150, 97}, true},       // 104: the copy a row lower
        {CABLE_CROSS, {150, 105}, false},   {CABLE_SERIAL, {153, 92}, true},      // the bend above the line
        {CABLE_SERIAL, {150, 108}, false},  {CABLE_OPTICAL, {96, 100}, true},     // past an end
        {CABLE_OPTICAL, {95, 100}, false},  {CABLE_CONSOLE, {200, 104}, true},   {CableType(9), {150, 100}, false},
    };
    for (const Case& c : cases) {
        const CableItem cable = {100, 100, 200, 100, 0, 1, c.type};
        EXPECT_EQ(CableLiesNear(cable, c.point, 3), c.near) << c.type << " at " << c.point.x << "," << c.point.y;
    }
}

}  // namespace
