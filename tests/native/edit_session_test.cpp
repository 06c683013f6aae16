#include "core/edit_session.h"
#include "stand_in.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class EditSessionTest : public ::testing::Test {
  protected:
    SymbolItem* Symbol(int32_t x, int32_t y) { return PlaceStandIn(session, x, y); }
    std::vector<CableItem> Cables() {
        std::vector<CableItem> cables;
        ForEachCable(diagram, [&](const CableItem& cable) { cables.push_back(cable); });
        return cables;
    }

    EditSession session;
    DiagramList& diagram = session.diagram;
    CanvasDamage& damage = session.damage;
};

TEST_F(EditSessionTest, CableStartsWhereItsFirstEndWasDraggedBeforeTheSecondClick) {
    SymbolItem* first = Symbol(100, 100);
    Symbol(300, 100);
    ArmTool(session, TOOL_CABLE, CABLE_SERIAL);
    EXPECT_EQ(Press(session, {10, 10}), PressResult::NOTHING);
    EXPECT_EQ(Press(session, {100, 100}), PressResult::REDRAW);
    EXPECT_EQ(session.selectedId, first->id);
    EXPECT_EQ(Press(session, {110, 90}), PressResult::NOTHING) << "the framed first end again";

    ArmTool(session, TOOL_SELECT, 0);
    EXPECT_TRUE(session.connect.firstEndChosen) << "another tool keeps the pending end";
    EXPECT_EQ(Press(session, {100, 100}), PressResult::REDRAW);
    EXPECT_TRUE(DragTo(session, {110, 150}, true));
    EXPECT_TRUE(DragTo(session, {130, 200}, true));
    EndDrag(session);
    EXPECT_FALSE(DragTo(session, {500, 500}, true));
    EXPECT_EQ(first->x, 105);
    EXPECT_EQ(first->y, 175);

    ArmTool(session, TOOL_CABLE, CABLE_OPTICAL);
    EXPECT_EQ(Press(session, {300, 100}), PressResult::REDRAW);
    const std::vector<CableItem> cables = Cables();
    ASSERT_EQ(cables.size(), 1u);
    EXPECT_EQ((std::vector<int32_t>{cables[0].x1, cables[0].y1, cables[0].x2, cables[0].y2}),
              (std::vector<int32_t>{130, 200, 300, 100}));
    EXPECT_EQ(cables[0].type, CABLE_OPTICAL);
    EXPECT_FALSE(session.connect.firstEndChosen);
    EXPECT_EQ(session.selectedId, NO_SYMBOL);
}

// Esc and Delete: each does nothing where nothing is pending or selected.
TEST_F(EditSessionTest, EscDropsTheFirstEndAndUndoesADragAndDeleteRemovesTheSelection) {
    ResetDamage(damage, 2000, 1500);
    SymbolItem* a = Symbol(100, 100);
    SymbolItem* b = Symbol(300, 100);
    EXPECT_FALSE(CancelPending(session));
    EXPECT_FALSE(DeleteSelected(session));

    ArmTool(session, TOOL_CABLE, CABLE_STRAIGHT);
    Press(session, {100, 100});
    Press(session, {300, 100});  // a cable between the two
    Press(session, {100, 100});
    ClearDamage(damage);
    EXPECT_TRUE(CancelPending(session));
    EXPECT_EQ(session.selectedId, NO_SYMBOL);
    EXPECT_TRUE(Touches(damage, SymbolBox(*a))) << "the frame goes";
    EXPECT_EQ(Press(session, {300, 100}), PressResult::REDRAW);
    EXPECT_EQ(session.connect.firstEndId, b->id) << "a new first end, not a cable";
    EXPECT_EQ(Cables().size(), 1u);

    // A drag put back where it began, its cables with it; the selection stays.
    ArmTool(session, TOOL_SELECT, 0);
    CancelPending(session);
    Press(session, {100, 100});
    DragTo(session, {130, 140}, true);
    DragTo(session, {170, 90}, true);
    ClearDamage(damage);
    EXPECT_TRUE(CancelPending(session));
    EXPECT_EQ(std::make_pair(a->x, a->y), std::make_pair(75, 75));
    EXPECT_EQ((std::vector<int32_t>{Cables()[0].x1, Cables()[0].y1}), (std::vector<int32_t>{100, 100}));
    EXPECT_TRUE(Touches(damage, {160, 80, 170, 90})) << "where it was dragged to is composed again";
    EXPECT_FALSE(DragTo(session, {200, 200}, true)) << "the drag is over";
    EXPECT_EQ(session.selectedId, a->id);

    const int32_t id = a->id;
    EXPECT_TRUE(DeleteSelected(session));
    EXPECT_FALSE(FindSymbol(diagram, id));
    EXPECT_EQ(session.selectedId, NO_SYMBOL);
    EXPECT_EQ(Cables().size(), 1u) << "its cable stays, as with the delete tool";
    EXPECT_FALSE(DeleteSelected(session));
}

TEST_F(EditSessionTest, DeletingThePendingFirstEndForgetsIt) {
    Symbol(100, 100);
    SymbolItem* second = Symbol(300, 100);
    SymbolItem* topmost = Symbol(110, 110);
    ArmTool(session, TOOL_CABLE, CABLE_STRAIGHT);
    Press(session, {105, 105});
    ASSERT_EQ(session.selectedId, topmost->id) << "the last placed symbol lies on top";

    ArmTool(session, TOOL_DELETE, 0);
    EXPECT_EQ(Press(session, {105, 105}), PressResult::REDRAW);
    EXPECT_FALSE(session.connect.firstEndChosen);
    EXPECT_EQ(Press(session, {200, 300}), PressResult::NOTHING);

    ArmTool(session, TOOL_CABLE, CABLE_STRAIGHT);
    Press(session, {300, 100});
    EXPECT_TRUE(Cables().empty()) << "the second symbol becomes a new first end";
    EXPECT_EQ(session.selectedId, second->id);
    EXPECT_EQ(session.connect.firstEndId, second->id);
}

TEST_F(EditSessionTest, DragEndsAtAMoveWithoutTheButtonAndWhenItsSymbolGoes) {
    SymbolItem* dragged = Symbol(100, 100);
    Symbol(300, 100);
    ArmTool(session, TOOL_SELECT, 0);
    Press(session, {100, 100});
    EXPECT_FALSE(DragTo(session, {140, 140}, false));
    EXPECT_FALSE(session.drag.dragging);
    EXPECT_FALSE(DragTo(session, {180, 180}, true));
    EXPECT_EQ(dragged->x, 75);
    EXPECT_EQ(session.selectedId, dragged->id) << "the selection stays";

    Press(session, {300, 100});
    EXPECT_TRUE(DeleteSelected(session));  // the dragged symbol goes
    EXPECT_EQ(session.selectedId, NO_SYMBOL);
    EXPECT_FALSE(DragTo(session, {310, 110}, true));
}

TEST_F(EditSessionTest, ArmedSymbolToolPlacesCopiesOfItsSymbolInOnePress) {
    const SymbolItem armed = StandInSymbol();
    ArmSymbolTool(session, 1, 0, armed);
    EXPECT_EQ(Press(session, {100, 60}), PressResult::REDRAW);
    EXPECT_EQ(Press(session, {100, 60}), PressResult::REDRAW);
    const SymbolItem* second = FindSymbolAt(diagram, 100, 60);
    ASSERT_TRUE(second);
    EXPECT_EQ(std::make_pair(second->x, second->y), std::make_pair(100 - SYMBOL_HALF, 60 - SYMBOL_HALF));
    EXPECT_EQ(second->id, 1);
    EXPECT_EQ(second->picture, armed.picture);

    // A tool whose picture could not be made places nothing and uses no id.
    ArmSymbolTool(session, 1, 1, StandInSymbol(false));
    EXPECT_EQ(Press(session, {300, 300}), PressResult::PLACE_FAILED);
    EXPECT_EQ(diagram.items.size(), 2u);
    EXPECT_EQ(diagram.nextSymbolId, 2);
}

TEST_F(EditSessionTest, LibraryDeleteShiftsOrDisarmsTheArmedSymbolTool) {
    ArmSymbolTool(session, 2, 3, StandInSymbol());
    ArmTool(session, 2, 0);  // no tool picture sends this code: nothing changes
    ASSERT_EQ(session.tool.kind, ToolKind::SYMBOL);
    EXPECT_FALSE(FollowDeletedLibraryImage(session, 2, 4));
    EXPECT_FALSE(FollowDeletedLibraryImage(session, 1, 0));
    EXPECT_EQ(session.tool.image, 3);
    EXPECT_FALSE(FollowDeletedLibraryImage(session, 2, 0));
    EXPECT_EQ(session.tool.image, 2) << "its picture moved down one place";
    EXPECT_EQ(Press(session, {10, 10}), PressResult::REDRAW) << "still armed";

    EXPECT_TRUE(FollowDeletedLibraryImage(session, 2, 2));
    EXPECT_EQ(session.tool.kind, ToolKind::NONE);
    EXPECT_EQ(Press(session, {10, 10}), PressResult::NOTHING);
}

}  // namespace
