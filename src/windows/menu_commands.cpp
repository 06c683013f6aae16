#include "windows/menu_commands.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "windows/app_state.h"
#include "windows/tool_window_menu.h"
#include "export/bmp_export.h"
#include "platform/alerts.h"
#include "platform/test_hooks.h"
#include "windows/canvas_size_dialog.h"
#include "resources/resource.h"
#include "windows/about_dialog.h"

// The diagram in progress is discarded; the user is told, not asked. Undo brings it back.
static void NewDiagram(HWND topology) {
    Alert(topology, AlertKind::NOTICE_BOX, IDS_NEW_DISCARDS);
    ClearDiagramWithHistory(appState.session);
    InvalidateRect(topology, nullptr, TRUE);
}

// Room for whatever the user types: a dialog given only MAX_PATH can overrun it (and take the
// program, with the diagram, down) on a longer name.
constexpr size_t SAVE_DIALOG_BUFFER = 4096;

// The save dialog, offering the name last chosen; true when the user confirmed a name short
// enough to be saved, which then becomes the name offered next time.
static bool ChooseSaveFile(HWND owner) {
    std::vector<char> name(SAVE_DIALOG_BUFFER, '\0');
    lstrcpynA(name.data(), appState.saveFileName, MAX_PATH);
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    const std::string filter = LoadFilterText(IDS_SAVE_FILTER), title = LoadText(IDS_SAVE_TITLE);
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = DWORD(name.size());
    request.lpstrTitle = title.c_str();
    request.lpstrDefExt = "bmp";
    request.Flags = OFN_HIDEREADONLY;
    if (!systemCalls.saveDialog(&request)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
            Alert(owner, AlertKind::PLAIN_ERROR_BOX, IDS_SAVE_NAME_TOO_LONG);
        return false;
    }
    if (strlen(name.data()) >= sizeof appState.saveFileName) {
        Alert(owner, AlertKind::PLAIN_ERROR_BOX, IDS_SAVE_NAME_TOO_LONG);
        return false;
    }
    lstrcpynA(appState.saveFileName, name.data(), sizeof appState.saveFileName);
    return true;
}

void ExportCanvas(HWND owner) {
    const BackBuffer& buffer = appState.canvas;
    const ExportStatus status = WriteCanvasBmp(buffer.pixels(), buffer.width(), buffer.height(), appState.saveFileName);
    switch (status.stage) {
        case ExportStage::DONE:
            break;
        case ExportStage::NO_PICTURE:
            Alert(owner, AlertKind::PLAIN_ERROR_BOX, IDS_EXPORT_NO_PICTURE);
            break;
        case ExportStage::TOO_LARGE:
            Alert(owner, AlertKind::PLAIN_ERROR_BOX, IDS_EXPORT_TOO_LARGE);
            break;
        case ExportStage::NO_MEMORY:
            Alert(owner, AlertKind::PLAIN_ERROR_BOX, IDS_EXPORT_NO_MEMORY);
            break;
        // A file that cannot be created, is read-only or hidden, or is in use gets the fixed text
        // users know; a full disk or a failed replacement gets what failed and the system's reason.
        case ExportStage::CREATE:
            Alert(owner, AlertKind::PLAIN_ERROR_BOX, IDS_EXPORT_NOT_CREATED);
            break;
        case ExportStage::WRITE:
        case ExportStage::REPLACE:
            Alert(owner, AlertKind::PLAIN_ERROR_BOX, FileErrorMessage(status.error, FileOperation::EXPORT));
            break;
    }
}

static void SaveAs(HWND topology) {
    if (ChooseSaveFile(topology))
        ExportCanvas(topology);
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
