#include "core/editor.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class EditorTest : public ::testing::Test {
  protected:
    // A 50 x 50 symbol centred on the point, as the symbol tool places it.
    SymbolItem* Symbol(int32_t x, int32_t y) {
        SymbolItem* symbol = PlaceSymbol(diagram, damage, {0, nullptr, {SYMBOL_SIZE, SYMBOL_SIZE}, 0, 0}, {x, y});
        EXPECT_TRUE(symbol);
        return symbol;
    }
    std::vector<CableItem> Cables() {
        std::vector<CableItem> cables;
        ForEachCable(diagram, [&](const CableItem& cable) { cables.push_back(cable); });
        return cables;
    }

    DiagramList diagram;
    Editor editor = {};
    CanvasDamage damage;
};

TEST_F(EditorTest, CableStartsWhereItsFirstEndWasDraggedBeforeTheSecondClick) {
    SymbolItem* first = Symbol(100, 100);
    Symbol(300, 100);
    SelectTool(editor, diagram, damage, TOOL_CABLE, CABLE_SERIAL);
    EXPECT_EQ(Press(editor, diagram, damage, {10, 10}), PressResult::NOTHING);
    EXPECT_EQ(Press(editor, diagram, damage, {100, 100}), PressResult::REDRAW);
    EXPECT_EQ(editor.selectedId, first->id);
    EXPECT_EQ(Press(editor, diagram, damage, {110, 90}), PressResult::NOTHING) << "the framed first end again";

    SelectTool(editor, diagram, damage, TOOL_SELECT, 0);
    EXPECT_TRUE(editor.connect.firstEndChosen) << "another tool keeps the pending end";
    EXPECT_EQ(Press(editor, diagram, damage, {100, 100}), PressResult::REDRAW);
    EXPECT_TRUE(DragTo(editor, diagram, damage, {110, 150}, true));
    EXPECT_TRUE(DragTo(editor, diagram, damage, {130, 200}, true));
    Release(editor);
    EXPECT_FALSE(DragTo(editor, diagram, damage, {500, 500}, true));
    EXPECT_EQ(first->x, 105);
    EXPECT_EQ(first->y, 175);

    SelectTool(editor, diagram, damage, TOOL_CABLE, CABLE_OPTICAL);
    EXPECT_EQ(Press(editor, diagram, damage, {300, 100}), PressResult::REDRAW);
    const std::vector<CableItem> cables = Cables();
    ASSERT_EQ(cables.size(), 1u);
    EXPECT_EQ((std::vector<int32_t>{cables[0].x1, cables[0].y1, cables[0].x2, cables[0].y2}),
              (std::vector<int32_t>{130, 200, 300, 100}));
    EXPECT_EQ(cables[0].type, CABLE_OPTICAL);
    EXPECT_FALSE(editor.connect.firstEndChosen);
    EXPECT_EQ(editor.selectedId, NO_SYMBOL);
}

// Esc and Delete: each does nothing where nothing is pending or selected.
TEST_F(EditorTest, EscDropsTheFirstEndAndUndoesADragAndDeleteRemovesTheSelection) {
    ResetDamage(damage, 2000, 1500);
    SymbolItem* a = Symbol(100, 100);
    SymbolItem* b = Symbol(300, 100);
    EXPECT_FALSE(CancelPending(editor, diagram, damage));
    EXPECT_FALSE(DeleteSelected(editor, diagram, damage));

    SelectTool(editor, diagram, damage, TOOL_CABLE, CABLE_STRAIGHT);
    Press(editor, diagram, damage, {100, 100});
    Press(editor, diagram, damage, {300, 100});  // a cable between the two
    Press(editor, diagram, damage, {100, 100});
    ClearDamage(damage);
    EXPECT_TRUE(CancelPending(editor, diagram, damage));
    EXPECT_EQ(editor.selectedId, NO_SYMBOL);
    EXPECT_TRUE(Touches(damage, SymbolBox(*a))) << "the frame goes";
    EXPECT_EQ(Press(editor, diagram, damage, {300, 100}), PressResult::REDRAW);
    EXPECT_EQ(editor.connect.firstEndId, b->id) << "a new first end, not a cable";
    EXPECT_EQ(Cables().size(), 1u);

    // A drag put back where it began, its cables with it; the selection stays.
    SelectTool(editor, diagram, damage, TOOL_SELECT, 0);
    CancelPending(editor, diagram, damage);
    Press(editor, diagram, damage, {100, 100});
    DragTo(editor, diagram, damage, {130, 140}, true);
    DragTo(editor, diagram, damage, {170, 90}, true);
    ClearDamage(damage);
    EXPECT_TRUE(CancelPending(editor, diagram, damage));
    EXPECT_EQ(std::make_pair(a->x, a->y), std::make_pair(75, 75));
    EXPECT_EQ((std::vector<int32_t>{Cables()[0].x1, Cables()[0].y1}), (std::vector<int32_t>{100, 100}));
    EXPECT_TRUE(Touches(damage, {160, 80, 170, 90})) << "where it was dragged to is composed again";
    EXPECT_FALSE(DragTo(editor, diagram, damage, {200, 200}, true)) << "the drag is over";
    EXPECT_EQ(editor.selectedId, a->id);

    const int32_t id = a->id;
    EXPECT_TRUE(DeleteSelected(editor, diagram, damage));
    EXPECT_FALSE(FindSymbol(diagram, id));
    EXPECT_EQ(editor.selectedId, NO_SYMBOL);
    EXPECT_EQ(Cables().size(), 1u) << "its cable stays, as with the delete tool";
    EXPECT_FALSE(DeleteSelected(editor, diagram, damage));
}

TEST_F(EditorTest, DeletingThePendingFirstEndForgetsIt) {
    Symbol(100, 100);
    SymbolItem* second = Symbol(300, 100);
    SymbolItem* topmost = Symbol(110, 110);
    SelectTool(editor, diagram, damage, TOOL_CABLE, CABLE_STRAIGHT);
    Press(editor, diagram, damage, {105, 105});
    ASSERT_EQ(editor.selectedId, topmost->id) << "the last placed symbol lies on top";

    SelectTool(editor, diagram, damage, TOOL_DELETE, 0);
    EXPECT_EQ(Press(editor, diagram, damage, {105, 105}), PressResult::REDRAW);
    EXPECT_FALSE(editor.connect.firstEndChosen);
    EXPECT_EQ(Press(editor, diagram, damage, {200, 300}), PressResult::NOTHING);

    SelectTool(editor, diagram, damage, TOOL_CABLE, CABLE_STRAIGHT);
    Press(editor, diagram, damage, {300, 100});
    EXPECT_TRUE(Cables().empty()) << "the second symbol becomes a new first end";
    EXPECT_EQ(editor.selectedId, second->id);
    EXPECT_EQ(editor.connect.firstEndId, second->id);
}

TEST_F(EditorTest, DragEndsAtAMoveWithoutTheButtonAndWhenItsSymbolGoes) {
    SymbolItem* dragged = Symbol(100, 100);
    SymbolItem* other = Symbol(300, 100);
    SelectTool(editor, diagram, damage, TOOL_SELECT, 0);
    Press(editor, diagram, damage, {100, 100});
    EXPECT_FALSE(DragTo(editor, diagram, damage, {140, 140}, false));
    EXPECT_FALSE(editor.drag.dragging);
    EXPECT_FALSE(DragTo(editor, diagram, damage, {180, 180}, true));
    EXPECT_EQ(dragged->x, 75);
    EXPECT_EQ(editor.selectedId, dragged->id) << "the selection stays";

    Press(editor, diagram, damage, {300, 100});
    const int32_t otherId = other->id;
    ForgetSymbol(editor, otherId);
    RemoveSymbol(diagram, otherId);
    EXPECT_EQ(editor.selectedId, NO_SYMBOL);
    EXPECT_FALSE(DragTo(editor, diagram, damage, {310, 110}, true));
}

// The core never looks inside a picture: any pointer that is not null stands for one.
std::shared_ptr<const SymbolPicture> StandInPicture() {
    static const int picture = 0;
    return {std::shared_ptr<const int>(), reinterpret_cast<const SymbolPicture*>(&picture)};
}

TEST_F(EditorTest, ArmedSymbolToolPlacesCopiesOfItsSymbolInOnePress) {
    const SymbolItem armed = {0, StandInPicture(), {SYMBOL_SIZE, SYMBOL_SIZE}, 0, 0};
    PickSymbolTool(editor, diagram, damage, 1, 0, armed);
    EXPECT_EQ(Press(editor, diagram, damage, {100, 60}), PressResult::REDRAW);
    EXPECT_EQ(Press(editor, diagram, damage, {100, 60}), PressResult::REDRAW);
    const SymbolItem* second = FindSymbolAt(diagram, 100, 60);
    ASSERT_TRUE(second);
    EXPECT_EQ(std::make_pair(second->x, second->y), std::make_pair(100 - SYMBOL_HALF, 60 - SYMBOL_HALF));
    EXPECT_EQ(second->id, 1);
    EXPECT_EQ(second->picture, armed.picture);

    // A tool whose picture could not be made places nothing and uses no id.
    PickSymbolTool(editor, diagram, damage, 1, 1, {0, nullptr, {SYMBOL_SIZE, SYMBOL_SIZE}, 0, 0});
    EXPECT_EQ(Press(editor, diagram, damage, {300, 300}), PressResult::PLACE_FAILED);
    EXPECT_EQ(diagram.items.size(), 2u);
    EXPECT_EQ(diagram.nextSymbolId, 2);
}

TEST_F(EditorTest, LibraryDeleteShiftsOrDisarmsTheArmedSymbolTool) {
    PickSymbolTool(editor, diagram, damage, 2, 3, {0, StandInPicture(), {SYMBOL_SIZE, SYMBOL_SIZE}, 0, 0});
    SelectTool(editor, diagram, damage, 2, 0);  // no tool picture sends this code: nothing changes
    ASSERT_EQ(editor.tool.kind, ToolKind::SYMBOL);
    EXPECT_FALSE(OnLibraryImageDeleted(editor, 2, 4));
    EXPECT_FALSE(OnLibraryImageDeleted(editor, 1, 0));
    EXPECT_EQ(editor.tool.image, 3);
    EXPECT_FALSE(OnLibraryImageDeleted(editor, 2, 0));
    EXPECT_EQ(editor.tool.image, 2) << "its picture moved down one place";
    EXPECT_EQ(Press(editor, diagram, damage, {10, 10}), PressResult::REDRAW) << "still armed";

    EXPECT_TRUE(OnLibraryImageDeleted(editor, 2, 2));
    EXPECT_FALSE(editor.tool.Placing());
    EXPECT_EQ(Press(editor, diagram, damage, {10, 10}), PressResult::NOTHING);
}

}  // namespace
