#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "core/edit_session.h"
#include "stand_in.h"

namespace {

// The diagram as the user sees it, in drawing order: kind, id or cable type, the place, the label.
using Item = std::tuple<int, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, std::string>;

std::vector<Item> Snapshot(const DiagramList& diagram) {
    std::vector<Item> items;
    for (const DiagramItem& item : diagram.items) {
        if (const auto* symbol = std::get_if<SymbolItem>(&item))
            items.emplace_back(0, symbol->id, symbol->x, symbol->y, 0, 0, 0, 0, symbol->label.text);
        else if (const auto* cable = std::get_if<CableItem>(&item))
            items.emplace_back(1, cable->type, cable->x1, cable->y1, cable->x2, cable->y2, cable->firstSymbolId,
                               cable->secondSymbolId, "");
    }
    return items;
}

// The indexes agree with the list: every symbol found by its id, each with exactly its cables.
void ExpectIndexesMatch(const DiagramList& diagram) {
    size_t symbols = 0;
    ForEachSymbol(diagram, [&](const SymbolItem& symbol) {
        ++symbols;
        ASSERT_EQ(FindSymbol(diagram, symbol.id), &symbol);
        std::vector<const CableItem*> joined;
        ForEachCable(diagram, [&](const CableItem& cable) {
            if (cable.firstSymbolId == symbol.id || cable.secondSymbolId == symbol.id)
                joined.push_back(&cable);
        });
        std::vector<const CableItem*> indexed(CablesOf(diagram, symbol.id).begin(), CablesOf(diagram, symbol.id).end());
        std::sort(joined.begin(), joined.end());
        std::sort(indexed.begin(), indexed.end());
        ASSERT_EQ(indexed, joined) << "cables of symbol " << symbol.id;
    });
    ASSERT_EQ(diagram.symbolsById.size(), symbols);
}

// Random edits, undos and redos against the list of states the history should walk through.
TEST(HistoryTest, UndoAndRedoWalkBackAndForthThroughEveryEdit) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        EditSession session;
        DiagramList& diagram = session.diagram;
        CanvasDamage& damage = session.damage;
        ResetDamage(damage, 600, 400);
        std::vector<std::vector<Item>> states = {Snapshot(diagram)};
        size_t at = 0;  // states[at] is the diagram now; later ones can be redone
        std::set<int32_t> ids;
        auto anySymbolCentre = [&]() {
            std::vector<CanvasPoint> centres;
            ForEachSymbol(diagram, [&](const SymbolItem& symbol) { centres.push_back(SymbolCentre(symbol)); });
            return centres.empty() ? CanvasPoint{below(600), below(400)} : centres[size_t(below(int(centres.size())))];
        };
        for (int step = 0; step < 300; ++step) {
            const size_t recorded = session.history.undo.size();
            const int32_t nextId = diagram.nextSymbolId;
            std::vector<Item> moved;  // after a drag that an edit then interrupted
            const int pick = below(100);
            if (pick < 25) {
                ArmSymbolTool(session, 0, 0, StandInSymbol());
                Press(session, {below(600), below(400)});
                ASSERT_TRUE(ids.insert(nextId).second) << "an id placed twice";
            } else if (pick < 40) {
                ArmTool(session, TOOL_CABLE, 1 + below(7));
                Press(session, anySymbolCentre());
                Press(session, anySymbolCentre());
            } else if (pick < 55) {
                ArmTool(session, TOOL_SELECT, 0);
                Press(session, anySymbolCentre());
                for (int move = below(4); move > 0; --move)
                    DragTo(session, {below(600), below(400)}, true);
                // Delete or New with the button still down: the drag is a move of its own first.
                const int interruption = below(10);
                if (interruption == 0)
                    CancelPending(session);
                if (interruption == 1 || interruption == 2) {
                    moved = Snapshot(diagram);
                    if (interruption == 1)
                        DeleteSelected(session);
                    else
                        ClearDiagramWithHistory(session);
                }
                EndDrag(session);
            } else if (pick < 60) {
                ArmTool(session, TOOL_DELETE, 0);
                Press(session, anySymbolCentre());
            } else if (pick < 63) {
                ArmTool(session, TOOL_DELETE, 0);  // a cable's middle: the cable, or a symbol over it
                std::vector<CanvasPoint> middles = {{below(600), below(400)}};
                ForEachCable(diagram, [&](const CableItem& cable) {
                    middles.push_back({(cable.x1 + cable.x2) / 2, (cable.y1 + cable.y2) / 2});
                });
                Press(session, middles[size_t(below(int(middles.size())))]);
            } else if (pick < 66) {
                const CanvasPoint at = anySymbolCentre();
                const SymbolItem* symbol = FindSymbolAt(diagram, at.x, at.y);
                const std::string name = below(4) ? "label " + std::to_string(below(3)) : "";
                SetSymbolLabel(
                    session, symbol ? symbol->id : NO_SYMBOL,
                    LabelOf(name, std::make_shared<LabelPixels>(LabelPixels{int32_t(name.size()) * 6, 12, 0, {}})));
            } else if (pick < 68) {
                ClearDiagramWithHistory(session);
            } else if (pick < 85) {
                ASSERT_EQ(Undo(session), at > 0);
                at -= at > 0;
                ASSERT_EQ(Snapshot(diagram), states[at]) << "seed " << seed << " step " << step << " undo";
                ExpectIndexesMatch(diagram);
                continue;
            } else {
                ASSERT_EQ(Redo(session), at + 1 < states.size());
                at += at + 1 < states.size();
                ASSERT_EQ(Snapshot(diagram), states[at]) << "seed " << seed << " step " << step << " redo";
                ExpectIndexesMatch(diagram);
                continue;
            }
            ExpectIndexesMatch(diagram);
            if (session.history.undo.size() > recorded) {
                states.resize(++at);
                if (session.history.undo.size() == recorded + 2) {
                    states.push_back(moved);
                    ++at;
                }
                states.push_back(Snapshot(diagram));
                ASSERT_TRUE(session.history.redo.empty()) << "a new edit leaves nothing to redo";
            } else {
                ASSERT_EQ(Snapshot(diagram), states[at]) << "seed " << seed << " step " << step << ": unrecorded";
            }
        }
        const int32_t nextId = diagram.nextSymbolId;
        while (Undo(session)) {
        }
        EXPECT_TRUE(diagram.items.empty()) << "seed " << seed;
        EXPECT_EQ(diagram.nextSymbolId, nextId) << "ids are never given again";
        while (Redo(session)) {
        }
        EXPECT_EQ(Snapshot(diagram), states.back()) << "seed " << seed;
        ExpectIndexesMatch(diagram);
    }
}

}  // namespace

namespace {

// Past the bound the oldest edit can no longer be undone; the rest still can.
TEST(HistoryTest, KeepsTheLastStepsOnly) {
    EditSession session;
    CanvasDamage& damage = session.damage;
    ResetDamage(damage, 600, 400);
    ArmSymbolTool(session, 0, 0, StandInSymbol());
    for (size_t i = 0; i < MAX_UNDO_STEPS + 5; ++i)
        Press(session, {int32_t(i % 600), 200});
    size_t undone = 0;
    while (Undo(session))
        ++undone;
    EXPECT_EQ(undone, MAX_UNDO_STEPS);
    EXPECT_EQ(session.diagram.items.size(), 5u);
}

}  // namespace
