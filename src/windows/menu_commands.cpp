#include "windows/menu_commands.h"

#include "windows/app_state.h"
#include "windows/tool_windows.h"
#include "export/bmp_export.h"
#include "windows/canvas_size_dialog.h"
#include "resources/resource.h"
#include "windows/about_dialog.h"

// The diagram in progress is discarded; the user is told, not asked.
static void NewDiagram(HWND topology) {
    MessageBoxA(topology, "作業中の設計を破棄します", "Message", MB_OK);
    ForgetAllNodes(appState.editor);
    ClearList(appState.diagram);
    InitList(appState.diagram);
    InvalidateRect(topology, nullptr, TRUE);
}

static void SaveAs(HWND topology) {
    if (ChooseSaveFile(topology))
        WriteCanvasBmp(topology);
}

void RunMenuCommand(HWND topology, UINT commandId) {
    switch (commandId) {
    case IDM_FILE_NEW:
        NewDiagram(topology);
        break;
    case IDM_FILE_SAVE_AS:
        SaveAs(topology);
        break;
    case IDM_FILE_EXIT:
        SendMessageA(topology, WM_CLOSE, 0, 0);
        break;
    case IDM_VIEW_SYMBOL_WINDOW:
    case IDM_VIEW_VIEW_WINDOW:
    case IDM_VIEW_LIST_WINDOW:
        ShowHideToolWindow(topology, commandId);
        break;
    case IDM_FORMAT_CANVAS_SIZE:
        DialogBoxParamA(appState.instance, MAKEINTRESOURCEA(IDD_CANVAS_SIZE), topology, CanvasSizeDialogProc, 0);
        break;
    case IDM_HELP_ABOUT:
        DialogBoxParamA(appState.instance, MAKEINTRESOURCEA(IDD_ABOUT), topology, AboutDialogProc, 0);
        break;
    }
}
