// The mouse tools' state: which tool is armed, the selection, a pending cable end and a drag.
// Needs no window.
#pragma once
#include <cstdint>

#include "core/diagram_list.h"

constexpr int16_t TOOL_CABLE = 5;
constexpr int16_t TOOL_SELECT = 6;
constexpr int16_t TOOL_DELETE = 7;

struct ToolState {
    int16_t toolCode;  // 0..4 symbol tool of that category, or TOOL_CABLE, TOOL_SELECT, TOOL_DELETE
    int16_t subCode;   // image index for a symbol tool, cable type for the cable tool
    bool placing;      // a symbol tool or the cable tool is armed
};

// The first end is kept by id: the symbol may be dragged before the second click.
struct ConnectState {
    bool firstEndChosen;
    int32_t firstEndId;
};

struct DragState {
    bool dragging;
    DiagramNode* dragNode;
    CanvasPoint lastMousePos;  // canvas point under the mouse at the last step
};

struct Editor {
    ToolState tool;
    DiagramNode* selectedNode;  // framed on the canvas
    ConnectState connect;
    DragState drag;
};
