#include "core/damage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/cable_geometry.h"
#include "core/edit_session.h"
#include "stand_in.h"

namespace {

bool InsideAny(const CanvasRect* boxes, int count, int64_t x, int64_t y) {
    for (int i = 0; i < count; ++i)
        if (boxes[i].left <= x && x < boxes[i].right && boxes[i].top <= y && y < boxes[i].bottom)
            return true;
    return false;
}

// Every pixel a pen of the cable's width can touch along each segment it draws, ends included,
// lies in one of the cable's boxes.
void ExpectBoxesHoldTheCable(const CableItem& cable) {
    CanvasRect boxes[MAX_CABLE_BOXES];
    const int count = CableBoxes(cable, boxes);
    ASSERT_GT(count, 0);
    ASSERT_LE(count, MAX_CABLE_BOXES);
    CableStyle style;
    ASSERT_TRUE(CableStyleFor(cable.type, &style));
    const int reach = style.width / 2 + 1;
    const CableSegments segments = CableGeometry(cable.type, cable.x1, cable.y1, cable.x2, cable.y2);
    for (int s = 0; s < segments.count; ++s) {
        const Segment& segment = segments.segment[s];
        const double dx = double(segment.to.x) - segment.from.x, dy = double(segment.to.y) - segment.from.y;
        const int steps = int(std::max(std::fabs(dx), std::fabs(dy))) + 1;
        for (int i = 0; i <= steps; ++i) {
            const int64_t x = std::llround(segment.from.x + dx * i / steps);
            const int64_t y = std::llround(segment.from.y + dy * i / steps);
            for (int oy = -reach; oy <= reach; ++oy)
                for (int ox = -reach; ox <= reach; ++ox)
                    ASSERT_TRUE(InsideAny(boxes, count, x + ox, y + oy))
                        << "type " << cable.type << " cable (" << cable.x1 << "," << cable.y1 << ")-(" << cable.x2
                        << "," << cable.y2 << ") pixel " << x + ox << "," << y + oy;
        }
    }
}

TEST(DamageTest, CableBoxesHoldEveryPixelOfEveryKind) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> coordinate(-300, 2300);
    for (int32_t type = CABLE_STRAIGHT; type <= CABLE_OPTICAL; ++type) {
        const CableType t = CableType(type);
        ExpectBoxesHoldTheCable({100, 100, 100, 100, 0, 0, t});  // both ends on one symbol
        ExpectBoxesHoldTheCable({0, 0, 1999, 1499, 0, 0, t});
        ExpectBoxesHoldTheCable({1999, 0, 0, 1499, 0, 0, t});
        ExpectBoxesHoldTheCable({10, 500, 1900, 501, 0, 0, t});
        for (int i = 0; i < 40; ++i)
            ExpectBoxesHoldTheCable(
                {coordinate(random), coordinate(random), coordinate(random), coordinate(random), 0, 0, t});
    }
    CanvasRect boxes[MAX_CABLE_BOXES];
    EXPECT_EQ(CableBoxes({0, 0, 10, 10, 0, 0, CableType(0)}, boxes), 0);
    EXPECT_EQ(CableBoxes({0, 0, 10, 10, 0, 0, CableType(10)}, boxes), 0);
    // Far-off ends neither overflow nor give more boxes than the limit.
    EXPECT_EQ(CableBoxes({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0, 0, CABLE_SERIAL}, boxes), MAX_CABLE_BOXES);
}

TEST(DamageTest, LongDiagonalCableClaimsAStripNotItsWholeRectangle) {
    CanvasDamage damage;
    ResetDamage(damage, 2000, 1500);
    ClearDamage(damage);
    AddCableDamage(damage, {0, 0, 1999, 1499, 0, 0, CABLE_OPTICAL});
    int64_t area = 0;
    for (int i = 0; i < damage.count; ++i)
        area += int64_t(damage.rects[i].right - damage.rects[i].left) * (damage.rects[i].bottom - damage.rects[i].top);
    EXPECT_LT(area, 2000 * 1500 / 8);
    EXPECT_FALSE(Touches(damage, {1500, 100, 1600, 200})) << "the far corner is left alone";
    EXPECT_TRUE(Touches(damage, {995, 745, 1000, 750}));
}

TEST(DamageTest, RectsAreCutToTheCanvasAndOverflowMergesIntoOneBoxAroundThemAll) {
    CanvasDamage damage;
    ResetDamage(damage, 500, 400);
    EXPECT_TRUE(damage.everything);
    AddDamage(damage, {10, 10, 20, 20});
    EXPECT_EQ(damage.count, 0) << "nothing to add to all of it";
    ClearDamage(damage);
    EXPECT_FALSE(HasDamage(damage));
    AddDamage(damage, {-50, -50, -1, 10});
    AddDamage(damage, {500, 0, 600, 10});
    EXPECT_FALSE(HasDamage(damage)) << "off the canvas";
    AddDamage(damage, {490, 390, 600, 600});
    AddDamage(damage, {492, 392, 500, 400});  // inside the last
    ASSERT_EQ(damage.count, 1);
    EXPECT_EQ(damage.rects[0].right, 500);
    EXPECT_EQ(damage.rects[0].bottom, 400);
    EXPECT_FALSE(Touches(damage, {100, 100, 200, 200}));
    ClearDamage(damage);
    for (int i = 0; i < MAX_DAMAGE_RECTS + 5; ++i)
        AddDamage(damage, {i * 4, 0, i * 4 + 2, 2});
    EXPECT_LE(damage.count, MAX_DAMAGE_RECTS);
    for (int i = 0; i < MAX_DAMAGE_RECTS + 5; ++i)
        EXPECT_TRUE(Touches(damage, {i * 4, 0, i * 4 + 1, 1})) << i;
    EXPECT_FALSE(Touches(damage, {100, 2, 200, 200})) << "merged into the box around them, no more";
}

class DamageEditTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetDamage(damage, 2000, 1500); }
    SymbolItem* Symbol(int32_t x, int32_t y) { return PlaceStandIn(session, x, y); }
    CableItem* Cable(CableType type, const SymbolItem* a, const SymbolItem* b) {
        ArmTool(session, TOOL_CABLE, int16_t(type));
        Press(session, SymbolCentre(*a));
        Press(session, SymbolCentre(*b));
        return std::get_if<CableItem>(&diagram.items.back());
    }
    EditSession session;
    DiagramList& diagram = session.diagram;
    CanvasDamage& damage = session.damage;
};

// What each edit changed is exactly what the next paint composes; anything missed here would
// leave stale pixels on the canvas.
TEST_F(DamageEditTest, EachEditDamagesWhatItChanged) {
    SymbolItem* a = Symbol(100, 100);
    SymbolItem* b = Symbol(1800, 1300);
    SymbolItem* c = Symbol(1000, 100);
    SymbolItem* d = Symbol(1800, 100);
    const CableItem ab = *Cable(CABLE_SERIAL, a, b);
    const CableItem cd = *Cable(CABLE_CROSS, c, d);
    ClearDamage(damage);

    ArmTool(session, TOOL_SELECT, 0);
    EXPECT_FALSE(HasDamage(damage));
    Press(session, {100, 100});
    EXPECT_TRUE(Touches(damage, {74, 74, 75, 75})) << "the frame's corner";
    EXPECT_FALSE(Touches(damage, SymbolBox(*b)));
    ClearDamage(damage);

    const CanvasRect before = SymbolBox(*a);
    DragTo(session, {400, 700}, true);
    EXPECT_TRUE(Touches(damage, before));
    EXPECT_TRUE(Touches(damage, SymbolBox(*a)));
    EXPECT_TRUE(CableTouches(damage, ab)) << "where the cable was";
    const CableItem& moved = std::get<CableItem>(*std::prev(diagram.items.end(), 2));
    CanvasRect boxes[MAX_CABLE_BOXES];
    const int count = CableBoxes(moved, boxes);
    for (int i = 0; i < count; ++i)
        EXPECT_TRUE(Touches(damage, boxes[i])) << "where it is now, box " << i;
    EXPECT_FALSE(CableTouches(damage, cd)) << "a cable not joined to it stays";
    EXPECT_FALSE(Touches(damage, SymbolBox(*c)));
    ClearDamage(damage);

    // A press elsewhere drops the selection: its frame goes.
    Press(session, {1000, 1000});
    EXPECT_TRUE(Touches(damage, SymbolBox(*a)));
    ClearDamage(damage);

    ArmTool(session, TOOL_DELETE, 0);
    const CanvasRect deleted = SymbolBox(*c);
    Press(session, {1000, 100});
    EXPECT_TRUE(Touches(damage, deleted));
    EXPECT_FALSE(Touches(damage, SymbolBox(*b)));
}

}  // namespace

// Random damage on a small canvas, up to past the merge limit: the bands cover each damaged pixel
// exactly once and nothing else, and are ordered as bands (top to bottom, left to right, one top
// and bottom per band, no band the same as the one directly above it).
TEST(DamageTest, BandsCoverTheDamageOnceInOrder) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int32_t> coordinate(-5, 45);
    for (int round = 0; round < 300; ++round) {
        CanvasDamage damage;
        ResetDamage(damage, 40, 30);
        if (round % 50)
            ClearDamage(damage);
        for (int n = round % 110; n > 0; --n)
            AddDamage(damage,
                      BoxBetween(coordinate(random), coordinate(random), coordinate(random), coordinate(random), 0));
        const std::vector<CanvasRect> bands = DamageBands(damage);
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 40; ++x) {
                int covering = 0;
                for (const CanvasRect& band : bands)
                    covering += band.left <= x && x < band.right && band.top <= y && y < band.bottom;
                const CanvasRect pixel = {x, y, x + 1, y + 1};
                ASSERT_EQ(covering, Touches(damage, pixel) ? 1 : 0) << "round " << round << " at " << x << "," << y;
            }
        for (size_t i = 1; i < bands.size(); ++i) {
            const CanvasRect &a = bands[i - 1], &b = bands[i];
            ASSERT_FALSE(IsEmptyRect(b));
            ASSERT_TRUE(a.top == b.top ? a.bottom == b.bottom && a.right < b.left : a.bottom <= b.top)
                << "round " << round << " band " << i;
        }
        for (size_t i = 0, j; i < bands.size(); i = j) {  // each band against the one below it
            for (j = i; j < bands.size() && bands[j].top == bands[i].top;)
                ++j;
            size_t k = j;
            while (k < bands.size() && bands[k].top == bands[j].top)
                ++k;
            if (j == bands.size() || bands[j].top != bands[i].bottom || k - j != j - i)
                continue;
            bool same = true;
            for (size_t m = 0; m < j - i; ++m)
                same = same && bands[i + m].left == bands[j + m].left && bands[i + m].right == bands[j + m].right;
            ASSERT_FALSE(same) << "round " << round << ": bands at " << bands[i].top << " and " << bands[j].top;
        }
    }
}
