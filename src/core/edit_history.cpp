#include "core/edit_history.h"

#include <utility>

void RecordEdit(EditHistory& history, EditStep step) {
    history.redo.clear();
    history.undo.push_back(std::move(step));
    if (history.undo.size() > MAX_UNDO_STEPS)
        history.undo.pop_front();
}

void MoveSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem& symbol, int32_t dx, int32_t dy) {
    AddSymbolDamage(damage, symbol);
    symbol.x += dx;
    symbol.y += dy;
    AddSymbolDamage(damage, symbol);
    for (CableItem* cable : CablesOf(diagram, symbol.id)) {
        AddCableDamage(damage, *cable);
        ReattachCable(*cable, symbol);
        AddCableDamage(damage, *cable);
    }
}

// The step's change taken back (undo) or made again (redo).
static StepResult Apply(DiagramList& diagram, CanvasDamage& damage, EditStep& step, bool undo) {
    StepResult result = {true, false, NO_SYMBOL};
    const int32_t sign = undo ? -1 : 1;
    const bool remove = (step.kind == EditStep::Kind::PLACE || step.kind == EditStep::Kind::CABLE) == undo;
    switch (step.kind) {
        case EditStep::Kind::PLACE:
        case EditStep::Kind::DELETE_SYMBOL:
            if (remove) {
                if (const SymbolItem* symbol = FindSymbol(diagram, step.symbolId))
                    AddSymbolDamage(damage, *symbol);
                result.removedSymbol = step.symbolId;
                step.symbol = TakeOutSymbol(diagram, step.symbolId);
            } else {
                PutBackSymbol(diagram, step.symbol);
                if (const SymbolItem* symbol = FindSymbol(diagram, step.symbolId))
                    AddSymbolDamage(damage, *symbol);
            }
            break;
        case EditStep::Kind::CABLE:
        case EditStep::Kind::DELETE_CABLE:
            if (remove)
                step.cable = TakeOutCable(diagram, step.cableItem);
            if (!step.cable.node.empty())
                AddCableDamage(damage, std::get<CableItem>(step.cable.node.front()));
            if (!remove)
                PutBackCable(diagram, step.cable);
            break;
        case EditStep::Kind::LABEL:
            if (SymbolItem* symbol = FindSymbol(diagram, step.symbolId)) {
                AddSymbolDamage(damage, *symbol);
                std::swap(symbol->label, step.label);
                AddSymbolDamage(damage, *symbol);
            }
            break;
        case EditStep::Kind::MOVE:
            if (SymbolItem* symbol = FindSymbol(diagram, step.symbolId))
                MoveSymbol(diagram, damage, *symbol, sign * step.offset.x, sign * step.offset.y);
            break;
        case EditStep::Kind::CLEAR:
            if (undo) {
                PutBackAll(diagram, step.diagram);
            } else {
                result.clearedAll = true;
                step.diagram = TakeOutAll(diagram);
            }
            DamageEverything(damage);
            break;
    }
    return result;
}

// Moves the newest step of one list to the other, applying it.
static StepResult Step(EditHistory& history, DiagramList& diagram, CanvasDamage& damage, bool undo) {
    std::deque<EditStep>& from = undo ? history.undo : history.redo;
    std::deque<EditStep>& to = undo ? history.redo : history.undo;
    if (from.empty())
        return {false, false, NO_SYMBOL};
    const StepResult result = Apply(diagram, damage, from.back(), undo);
    to.push_back(std::move(from.back()));
    from.pop_back();
    return result;
}

StepResult UndoEdit(EditHistory& history, DiagramList& diagram, CanvasDamage& damage) {
    return Step(history, diagram, damage, true);
}

StepResult RedoEdit(EditHistory& history, DiagramList& diagram, CanvasDamage& damage) {
    return Step(history, diagram, damage, false);
}
