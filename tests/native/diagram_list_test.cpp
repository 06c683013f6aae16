#include "core/diagram_list.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Pictures are plain integers here; every release is recorded so double frees show up.
std::map<intptr_t, int> releases;
void RecordRelease(PictureHandle picture) {
    ++releases[reinterpret_cast<intptr_t>(picture)];
}

class DiagramListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        releases.clear();
        list.releasePicture = RecordRelease;
        ASSERT_TRUE(InitList(list));
    }
    void TearDown() override {
        if (list.listHead)
            ClearList(list);
    }

    DiagramNode* Symbol(int32_t x, int32_t y, intptr_t picture = 0) {
        SymbolItem* symbol = NewSymbolItem();
        symbol->x = x;
        symbol->y = y;
        symbol->size = {SYMBOL_SIZE, SYMBOL_SIZE};
        symbol->picture = reinterpret_cast<PictureHandle>(picture);
        return AppendItem(list, symbol);
    }
    DiagramNode* Cable(const SymbolItem& a, const SymbolItem& b, ItemKind kind = CABLE_STRAIGHT) {
        CanvasPoint p = SymbolCentre(a), q = SymbolCentre(b);
        return AppendItem(list, new CableItem{p.x, p.y, q.x, q.y, a.id, b.id}, kind);
    }
    std::vector<DiagramNode*> Walk() {
        std::vector<DiagramNode*> nodes;
        ForEachNode(list, [&](DiagramNode* node) { nodes.push_back(node); });
        return nodes;
    }
    // Checks the links in both directions and that only the sentinel ends the list.
    void ExpectConsistent() {
        ASSERT_NE(list.listHead, nullptr);
        EXPECT_EQ(list.listHead->prev, nullptr);
        EXPECT_EQ(list.listTail->next, nullptr);
        for (DiagramNode* node = list.listHead; node->next; node = node->next)
            EXPECT_EQ(node->next->prev, node);
    }

    DiagramList list;
};

TEST_F(DiagramListTest, EmptyListIsOneSentinelThatFindsAndVisitsNothing) {
    EXPECT_EQ(list.listHead, list.listTail);
    EXPECT_EQ(list.listTail->prev, nullptr);
    EXPECT_TRUE(Walk().empty());
    EXPECT_EQ(FindSymbolAt(list, 0, 0), nullptr);
    EXPECT_EQ(AsSymbol(list.listTail), nullptr);
    RemoveNode(list, list.listTail);  // the sentinel is never removed
    EXPECT_EQ(list.listHead, list.listTail);
}

TEST_F(DiagramListTest, AppendKeepsCreationOrderAndKinds) {
    DiagramNode* a = Symbol(0, 0);
    DiagramNode* c = Cable(*AsSymbol(a), *AsSymbol(a), CABLE_OPTICAL);
    DiagramNode* b = Symbol(10, 10);
    EXPECT_EQ(Walk(), (std::vector<DiagramNode*>{a, c, b}));
    EXPECT_EQ(c->kind, CABLE_OPTICAL);
    EXPECT_EQ(AsSymbol(c), nullptr);
    EXPECT_NE(AsCable(c), nullptr);
    EXPECT_EQ(list.listTail->prev, b);
    ExpectConsistent();
    // Only the seven cable kinds are accepted for cables.
    CableItem stray{};
    EXPECT_EQ(AppendItem(list, &stray, 0), nullptr);
    EXPECT_EQ(AppendItem(list, &stray, KIND_SYMBOL), nullptr);
    EXPECT_EQ(Walk().size(), 3u);
}

TEST_F(DiagramListTest, RemoveAtHeadMiddleTailAndOnlyItem) {
    DiagramNode* a = Symbol(0, 0, 1);
    DiagramNode* b = Symbol(0, 0, 2);
    DiagramNode* c = Symbol(0, 0, 3);
    DiagramNode* d = Symbol(0, 0, 4);

    RemoveNode(list, a);  // head: successor becomes head with no predecessor
    EXPECT_EQ(list.listHead, b);
    EXPECT_EQ(b->prev, nullptr);
    ExpectConsistent();

    RemoveNode(list, c);  // middle
    EXPECT_EQ(Walk(), (std::vector<DiagramNode*>{b, d}));
    ExpectConsistent();

    RemoveNode(list, d);  // just before the sentinel
    EXPECT_EQ(list.listTail->prev, b);
    ExpectConsistent();

    RemoveNode(list, b);  // the only item
    EXPECT_EQ(list.listHead, list.listTail);
    EXPECT_EQ(list.listTail->prev, nullptr);
    EXPECT_EQ(releases, (std::map<intptr_t, int>{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
}

TEST_F(DiagramListTest, EveryPictureIsReleasedExactlyOnce) {
    Symbol(0, 0, 11);
    DiagramNode* removed = Symbol(0, 0, 12);
    Cable(*AsSymbol(removed), *AsSymbol(removed));
    Symbol(0, 0, 13);
    Symbol(0, 0);  // no picture: nothing to release
    RemoveNode(list, removed);
    ClearList(list);
    EXPECT_EQ(list.listHead, nullptr);
    EXPECT_EQ(list.listTail, nullptr);
    EXPECT_EQ(releases, (std::map<intptr_t, int>{{11, 1}, {12, 1}, {13, 1}}));
    ClearList(list);  // a second clear (the window is destroyed twice) finds nothing
    EXPECT_EQ(releases.size(), 3u);
    SymbolItem* orphan = NewSymbolItem();
    EXPECT_EQ(AppendItem(list, orphan), nullptr) << "no list, nothing appended";
    FreeSymbolItem(list, orphan);
}

TEST_F(DiagramListTest, HitBoundsAreInclusiveAndSigned) {
    const SymbolItem& s = *AsSymbol(Symbol(100, 100));
    EXPECT_TRUE(HitTest(s, 100, 100));
    EXPECT_TRUE(HitTest(s, 150, 150));
    EXPECT_TRUE(HitTest(s, 150, 100));
    EXPECT_FALSE(HitTest(s, 99, 120));
    EXPECT_FALSE(HitTest(s, 151, 120));
    EXPECT_FALSE(HitTest(s, 120, 151));
    EXPECT_FALSE(HitTest(s, 120, 99));

    const SymbolItem& negative = *AsSymbol(Symbol(-20, -20));
    EXPECT_TRUE(HitTest(negative, -20, -20));
    EXPECT_TRUE(HitTest(negative, 30, 30));
    EXPECT_FALSE(HitTest(negative, 31, 30));
    EXPECT_FALSE(HitTest(negative, -21, 0));

    // Far out on the canvas the bounds must not wrap around.
    const SymbolItem& edge = *AsSymbol(Symbol(INT32_MAX - 10, INT32_MIN));
    EXPECT_TRUE(HitTest(edge, INT32_MAX, INT32_MIN + 50));
    EXPECT_FALSE(HitTest(edge, INT32_MIN, INT32_MIN));
}

TEST_F(DiagramListTest, FindSymbolAtPrefersTheLaterSymbolAndSkipsCables) {
    DiagramNode* first = Symbol(0, 0);
    DiagramNode* second = Symbol(30, 30);
    DiagramNode* far = Symbol(300, 0);
    Cable(*AsSymbol(first), *AsSymbol(far));
    EXPECT_EQ(FindSymbolAt(list, 40, 40), second);
    EXPECT_EQ(FindSymbolAt(list, 10, 10), first);
    EXPECT_EQ(FindSymbolAt(list, 150, 25), nullptr) << "a point on a cable only finds nothing";
    RemoveNode(list, second);
    EXPECT_EQ(FindSymbolAt(list, 40, 40), first);
}

TEST_F(DiagramListTest, IdsCountUpAcrossAClearAndOnlyPlacedSymbolsUseOne) {
    EXPECT_EQ(AsSymbol(Symbol(0, 0))->id, 0);
    FreeSymbolItem(list, NewSymbolItem());  // made but never placed, as when its picture fails
    EXPECT_EQ(AsSymbol(Symbol(0, 0))->id, 1);
    ClearList(list);
    ASSERT_TRUE(InitList(list));
    EXPECT_EQ(AsSymbol(Symbol(0, 0))->id, 2);
}

TEST_F(DiagramListTest, ReattachMovesOnlyTheMatchingEnds) {
    auto Reattach = [this](const SymbolItem& symbol) {
        ForEachNode(list, [&](DiagramNode* node) {
            CableItem* cable = AsCable(node);
            if (!cable)
                return;
            const bool joined = cable->firstSymbolId == symbol.id || cable->secondSymbolId == symbol.id;
            EXPECT_EQ(ReattachCable(*cable, symbol), joined);
        });
    };
    SymbolItem& a = *AsSymbol(Symbol(0, 0));
    SymbolItem& b = *AsSymbol(Symbol(100, 0));
    SymbolItem& c = *AsSymbol(Symbol(0, 100));
    CableItem& ab = *AsCable(Cable(a, b));
    CableItem& ca = *AsCable(Cable(c, a, CABLE_SERIAL));
    CableItem& bc = *AsCable(Cable(b, c));
    CableItem& aa = *AsCable(Cable(a, a));

    a.x += 7;
    a.y -= 3;
    Reattach(a);
    EXPECT_EQ((std::vector<int32_t>{ab.x1, ab.y1, ab.x2, ab.y2}), (std::vector<int32_t>{32, 22, 125, 25}));
    EXPECT_EQ((std::vector<int32_t>{ca.x1, ca.y1, ca.x2, ca.y2}), (std::vector<int32_t>{25, 125, 32, 22}));
    EXPECT_EQ((std::vector<int32_t>{bc.x1, bc.y1, bc.x2, bc.y2}), (std::vector<int32_t>{125, 25, 25, 125}));
    EXPECT_EQ((std::vector<int32_t>{aa.x1, aa.y1, aa.x2, aa.y2}), (std::vector<int32_t>{32, 22, 32, 22}));

    // A removed symbol's cables stay where they were, even when another symbol moves.
    RemoveNode(list, FindSymbolAt(list, 110, 10));
    c.x += 50;
    Reattach(c);
    EXPECT_EQ((std::vector<int32_t>{ab.x1, ab.y1, ab.x2, ab.y2}), (std::vector<int32_t>{32, 22, 125, 25}));
    EXPECT_EQ((std::vector<int32_t>{bc.x1, bc.y1, bc.x2, bc.y2}), (std::vector<int32_t>{125, 25, 75, 125}));
}

}  // namespace
