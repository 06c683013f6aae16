// The program's one state, shared by its windows. Start-up (app/) owns the instance; window and
// dialog procedures reach it as `appState`, and the layers below get what they need as parameters.
#pragma once
#include <windows.h>

#include <string>

#include "core/edit_session.h"
#include "core/view_math.h"
#include "library/symbol_library.h"
#include "render/back_buffer.h"

constexpr char TOPOLOGY_CLASS[] = "topology_window";

// Shown over the canvas while a tool is armed (placement_cursor.h chooses it): a shared cursor (a
// resource), or an icon made of a palette picture, owned here until the cursor changes again.
struct PlacementCursor {
    HCURSOR cursor;  // null: the default
    OwnedIcon madeIcon;
};

// The last file chosen with "参照" in the add dialog; kept for the whole run, so OK without
// browsing adds it again.
struct AddDialogState {
    char chosenPath[MAX_PATH];
    char chosenTitle[64];  // its name with extension, without the folder
};

// The "表示" menu's check marks.
struct ToolWindowFlags {
    bool symbolShown;
    bool viewShown;
    bool listShown;
};

constexpr int TOOL_PICTURE_COUNT = 9;  // the symbol window's tool and cable pictures

struct ToolWindows {
    HWND symbolWindow;
    HWND viewWindow;
    HWND listWindow;
    ToolWindowFlags flags;
    HWND palettePage[CATEGORY_COUNT];              // one per category, in tab order
    int32_t currentTab;                            // the visible page's category; the add dialog preselects it
    OwnedBitmap toolPictures[TOOL_PICTURE_COUNT];  // the tool and cable pictures scaled to the DPI, away from 96
};

// The label field while it is open (label_field.h).
struct LabelField {
    HWND field;
    int32_t symbolId;
    std::string text;  // what it holds, within the limit
    WNDPROC editProc;
    OwnedFont font;  // the label font, made when first needed
};

// What the wheel turned short of a pixel (down, across) or of a zoom step, for the next turn.
struct WheelRest {
    int32_t down;
    int32_t across;
    int32_t zoom;
};

struct AppState {
    HINSTANCE instance;
    int32_t dpi;         // the screen's, for what is sized in pixels around the canvas (it stays 1:1)
    HACCEL historyKeys;  // from the resources: the system frees it with the program
    HWND topology;       // null while the topology window handles WM_CREATE
    EditSession session;
    PlacementCursor placementCursor;
    CanvasView view;
    BackBuffer canvas;  // the composed picture of the whole canvas; its size is the canvas size
    LabelField labelField;
    WheelRest wheelRest;
    SymbolLibrary library;
    AddDialogState addDialog;
    ToolWindows tools;
    char saveFileName[MAX_PATH];  // the name last chosen, offered again in the next save dialog
};

extern AppState appState;
