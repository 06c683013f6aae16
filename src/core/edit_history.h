// The history of diagram edits: what each edit changed, taken back and made again. Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <string>

#include "core/damage.h"
#include "core/diagram_list.h"

constexpr int32_t NO_SYMBOL = -1;

// One edit, as undo and redo need it: what changed, never a copy of the diagram (New hands the
// cleared diagram over). What an edit took out of the diagram is held here.
struct EditStep {
    enum class Kind { PLACE, CABLE, MOVE, DELETE_SYMBOL, DELETE_CABLE, LABEL, CLEAR } kind;
    int32_t symbolId = NO_SYMBOL;          // placed, moved, deleted or labelled
    CanvasPoint offset = {};               // how far it moved
    DetachedSymbol symbol;                 // a deleted symbol, or a placed one while undone
    const CableItem* cableItem = nullptr;  // made or deleted: its node lives as long as the step
    DetachedCable cable;                   // that cable while out of the diagram
    SymbolLabel label;                     // the label the symbol does not have now
    DetachedDiagram diagram;               // what New cleared
};

// The last MAX_UNDO_STEPS edits can be undone, and what was undone redone until the next edit.
constexpr size_t MAX_UNDO_STEPS = 1000;
struct EditHistory {
    std::deque<EditStep> undo;  // the latest last
    std::deque<EditStep> redo;  // the latest undone last
};

// A new edit: what was undone cannot be redone any more, and the oldest step goes past the bound.
void RecordEdit(EditHistory& history, EditStep step);

// What taking a step back or making it again did, so that nothing refers to what left the diagram.
struct StepResult {
    bool done;              // false when there was no step
    bool clearedAll;        // every symbol left (New made again)
    int32_t removedSymbol;  // a symbol that left, or NO_SYMBOL
};
// The last edit taken back, or the last one taken back made again, with the damage of what it
// changes.
StepResult UndoEdit(EditHistory& history, DiagramList& diagram, CanvasDamage& damage);
StepResult RedoEdit(EditHistory& history, DiagramList& diagram, CanvasDamage& damage);

// The symbol moves by (dx, dy) and the ends of its cables follow, with the damage of what they
// covered and cover now: a drag step, and a move taken back or made again.
void MoveSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem& symbol, int32_t dx, int32_t dy);
