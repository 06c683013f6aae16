#include "core/diagram_list.h"

#include "diagram_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DiagramListTest : public ::testing::Test {
  protected:
    SymbolItem* Symbol(int32_t x, int32_t y) {
        return AppendSymbol(list, {0, nullptr, {SYMBOL_SIZE, SYMBOL_SIZE}, x, y, {}});
    }
    CableItem* Cable(const SymbolItem& a, const SymbolItem& b, CableType type = CABLE_STRAIGHT) {
        CanvasPoint p = SymbolCentre(a), q = SymbolCentre(b);
        return AppendCable(list, {p.x, p.y, q.x, q.y, a.id, b.id, type});
    }
    // "s<id>" for each symbol and "c<type>" for each cable, in list order.
    std::vector<std::string> Walk() {
        std::vector<std::string> items;
        for (const DiagramItem& item : list.items) {
            if (const SymbolItem* symbol = std::get_if<SymbolItem>(&item))
                items.push_back("s" + std::to_string(symbol->id));
            else
                items.push_back("c" + std::to_string(std::get<CableItem>(item).type));
        }
        return items;
    }

    DiagramList list;
};

using Items = std::vector<std::string>;

TEST_F(DiagramListTest, ItemsKeepCreationOrderAndSymbolsAreFoundByIdUntilTheyGo) {
    EXPECT_TRUE(Walk().empty());
    EXPECT_EQ(FindSymbolAt(list, 0, 0), nullptr);
    EXPECT_EQ(FindSymbol(list, 0), nullptr);
    SymbolItem* a = Symbol(0, 0);
    Cable(*a, *a, CABLE_OPTICAL);
    SymbolItem* b = Symbol(10, 10);
    Symbol(20, 20);
    EXPECT_EQ(Walk(), (Items{"s0", "c7", "s1", "s2"}));
    EXPECT_EQ(FindSymbol(list, 1), b);
    // Only the seven cable types are accepted for cables.
    EXPECT_EQ(AppendCable(list, {0, 0, 1, 1, 0, 1, CableType(0)}), nullptr);
    EXPECT_EQ(AppendCable(list, {0, 0, 1, 1, 0, 1, CableType(8)}), nullptr);

    EXPECT_TRUE(RemoveSymbol(list, 0));  // at the head: its cable stays
    EXPECT_FALSE(RemoveSymbol(list, 0));
    EXPECT_TRUE(RemoveSymbol(list, 2));  // at the end
    EXPECT_EQ(Walk(), (Items{"c7", "s1"}));
    EXPECT_EQ(FindSymbol(list, 0), nullptr);
    EXPECT_EQ(FindSymbol(list, 1), b);
    EXPECT_EQ(b->x, 10) << "the others are where they were";
}

TEST_F(DiagramListTest, HitBoundsAreInclusiveAndSigned) {
    const SymbolItem& s = *(Symbol(100, 100));
    EXPECT_TRUE(HitTest(s, 100, 100));
    EXPECT_TRUE(HitTest(s, 150, 150));
    EXPECT_TRUE(HitTest(s, 150, 100));
    EXPECT_FALSE(HitTest(s, 99, 120));
    EXPECT_FALSE(HitTest(s, 151, 120));
    EXPECT_FALSE(HitTest(s, 120, 151));
    EXPECT_FALSE(HitTest(s, 120, 99));

    const SymbolItem& negative = *(Symbol(-20, -20));
    EXPECT_TRUE(HitTest(negative, -20, -20));
    EXPECT_TRUE(HitTest(negative, 30, 30));
    EXPECT_FALSE(HitTest(negative, 31, 30));
    EXPECT_FALSE(HitTest(negative, -21, 0));

    // Far out on the canvas the bounds must not wrap around.
    const SymbolItem& edge = *(Symbol(INT32_MAX - 10, INT32_MIN));
    EXPECT_TRUE(HitTest(edge, INT32_MAX, INT32_MIN + 50));
    EXPECT_FALSE(HitTest(edge, INT32_MIN, INT32_MIN));
}

TEST_F(DiagramListTest, FindSymbolAtPrefersTheLaterSymbolAndSkipsCables) {
    SymbolItem* first = Symbol(0, 0);
    SymbolItem* second = Symbol(30, 30);
    SymbolItem* far = Symbol(300, 0);
    Cable(*first, *far);
    EXPECT_EQ(FindSymbolAt(list, 40, 40), second);
    EXPECT_EQ(FindSymbolAt(list, 10, 10), first);
    EXPECT_EQ(FindSymbolAt(list, 150, 25), nullptr) << "a point on a cable only finds nothing";
    RemoveSymbol(list, second->id);
    EXPECT_EQ(FindSymbolAt(list, 40, 40), first);
}

TEST_F(DiagramListTest, IdsCountUpAcrossRemovalsAndAClear) {
    EXPECT_EQ(Symbol(0, 0)->id, 0);
    EXPECT_EQ(Symbol(0, 0)->id, 1);
    RemoveSymbol(list, 1);
    EXPECT_EQ(Symbol(0, 0)->id, 2);
    ClearDiagram(list);
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(FindSymbol(list, 0), nullptr);
    EXPECT_EQ(Symbol(0, 0)->id, 3);
}

TEST_F(DiagramListTest, EachSymbolKnowsItsOwnCablesOnceUntilItGoes) {
    SymbolItem* a = Symbol(0, 0);
    SymbolItem* b = Symbol(100, 0);
    CableItem* ab = Cable(*a, *b);
    CableItem* aa = Cable(*a, *a);
    CableItem* ba = Cable(*b, *a, CABLE_MET);
    CableItem* loose = AppendCable(list, {0, 0, 1, 1, a->id, 99, CABLE_STRAIGHT});  // the other end is no symbol
    EXPECT_EQ(CablesOf(list, a->id), (std::vector<CableItem*>{ab, aa, ba, loose}));
    EXPECT_EQ(CablesOf(list, b->id), (std::vector<CableItem*>{ab, ba}));
    EXPECT_TRUE(CablesOf(list, 99).empty());

    const int32_t gone = b->id;
    RemoveSymbol(list, gone);
    EXPECT_TRUE(CablesOf(list, gone).empty());
    EXPECT_EQ(CablesOf(list, a->id).size(), 4u) << "the cables stay with the symbol that is left";
    ClearDiagram(list);
    EXPECT_TRUE(CablesOf(list, Symbol(0, 0)->id).empty());
}

TEST_F(DiagramListTest, ReattachMovesOnlyTheMatchingEnds) {
    auto Reattach = [this](const SymbolItem& symbol) {
        ForEachCable(list, [&](CableItem& cable) {
            const bool joined = cable.firstSymbolId == symbol.id || cable.secondSymbolId == symbol.id;
            EXPECT_EQ(ReattachCable(cable, symbol), joined);
        });
    };
    SymbolItem& a = *(Symbol(0, 0));
    SymbolItem& b = *(Symbol(100, 0));
    SymbolItem& c = *(Symbol(0, 100));
    CableItem& ab = *Cable(a, b);
    CableItem& ca = *Cable(c, a, CABLE_SERIAL);
    CableItem& bc = *Cable(b, c);
    CableItem& aa = *Cable(a, a);

    a.x += 7;
    a.y -= 3;
    Reattach(a);
    EXPECT_EQ((std::vector<int32_t>{ab.x1, ab.y1, ab.x2, ab.y2}), (std::vector<int32_t>{32, 22, 125, 25}));
    EXPECT_EQ((std::vector<int32_t>{ca.x1, ca.y1, ca.x2, ca.y2}), (std::vector<int32_t>{25, 125, 32, 22}));
    EXPECT_EQ((std::vector<int32_t>{bc.x1, bc.y1, bc.x2, bc.y2}), (std::vector<int32_t>{125, 25, 25, 125}));
    EXPECT_EQ((std::vector<int32_t>{aa.x1, aa.y1, aa.x2, aa.y2}), (std::vector<int32_t>{32, 22, 32, 22}));

    // A removed symbol's cables stay where they were, even when another symbol moves.
    RemoveSymbol(list, FindSymbolAt(list, 110, 10)->id);
    c.x += 50;
    Reattach(c);
    EXPECT_EQ((std::vector<int32_t>{ab.x1, ab.y1, ab.x2, ab.y2}), (std::vector<int32_t>{32, 22, 125, 25}));
    EXPECT_EQ((std::vector<int32_t>{bc.x1, bc.y1, bc.x2, bc.y2}), (std::vector<int32_t>{125, 25, 75, 125}));
}

}  // namespace
