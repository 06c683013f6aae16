// The mouse tools' state and rules: which tool is armed, the selection, a pending cable end and a
// drag. Needs no window: the window turns its messages into these calls and repaints what they
// add to the damage.
#pragma once
#include <cstdint>

#include "core/damage.h"
#include "core/diagram_list.h"

// The codes the symbol window's tool and cable pictures send (MSG_SELECT_TOOL's wParam).
constexpr int16_t TOOL_CABLE = 5;
constexpr int16_t TOOL_SELECT = 6;
constexpr int16_t TOOL_DELETE = 7;

enum class ToolKind { NONE, SYMBOL, CABLE, SELECT, DELETE_SYMBOL };

// What a press on the canvas does.
struct ArmedTool {
    ToolKind kind = ToolKind::NONE;
    int32_t category = 0;  // a symbol tool's palette item
    int32_t image = 0;
    CableType cable = CABLE_STRAIGHT;  // the cable tool's type
    SymbolItem symbol = {};            // a symbol tool's: each press places a copy of it
    // A symbol or cable tool: each press adds to the diagram, and the tool stays armed.
    bool Placing() const { return kind == ToolKind::SYMBOL || kind == ToolKind::CABLE; }
};

// The first end is kept by id: the symbol may be dragged before the second click.
struct ConnectState {
    bool firstEndChosen;
    int32_t firstEndId;
};

struct DragState {
    bool dragging;
    int32_t symbolId;
    CanvasPoint lastMousePos;   // canvas point under the mouse at the last step
    CanvasPoint startMousePos;  // where the drag began, for Esc
};

constexpr int32_t NO_SYMBOL = -1;

struct Editor {
    ArmedTool tool;
    int32_t selectedId = NO_SYMBOL;  // the symbol framed on the canvas
    ConnectState connect;
    DragState drag;
};

// Back to the start: no tool, no selection, nothing pending.
void ResetEditor(Editor& editor);

// A palette picture arms its category's symbol tool with the symbol to place, whose picture the
// window made (none when it could not). A pending cable end stays.
void PickSymbolTool(Editor& editor,
                    const DiagramList& diagram,
                    CanvasDamage& damage,
                    int32_t category,
                    int32_t image,
                    SymbolItem symbol);
// The tool pictures by their codes: select, delete, or the cable tool with its type. Other codes
// change nothing.
void SelectTool(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, int32_t toolCode, int32_t cableType);

// Whether the tool picture of that code (and cable type) is the armed tool.
bool IsArmed(const ArmedTool& tool, int32_t toolCode, int32_t cableType);

// What a press on the canvas asks of the window.
enum class PressResult {
    NOTHING,       // nothing changed
    REDRAW,        // the diagram or the selection changed
    PLACE_FAILED,  // the symbol tool has no picture, or its symbol could not be appended
};
PressResult Press(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point);

// Appends a copy of the symbol centred on the point; null when it cannot be appended.
SymbolItem* PlaceSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem symbol, CanvasPoint point);

// One mouse move: a dragged symbol follows by the canvas difference and its cables with it. A move
// without the button ends the drag (it was released where the window could not see it). True
// when something moved.
bool DragTo(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point, bool buttonDown);
void Release(Editor& editor);

// Esc: drops a pending cable end (its frame goes) and puts a dragged symbol, with its cables, back
// where the drag began. True when something changed.
bool CancelPending(Editor& editor, DiagramList& diagram, CanvasDamage& damage);
// Delete: removes the selected symbol as the delete tool would. True when there was one.
bool DeleteSelected(Editor& editor, DiagramList& diagram, CanvasDamage& damage);

// Forgets every reference to a symbol before it goes (delete), or to every symbol (New).
void ForgetSymbol(Editor& editor, int32_t id);
void ForgetAllSymbols(Editor& editor);

// Image index of the category left the library: an armed symbol tool keeps placing the picture it
// was armed with, and is disarmed when that picture was the one that went. True when disarmed.
bool OnLibraryImageDeleted(Editor& editor, int32_t category, int32_t index);
