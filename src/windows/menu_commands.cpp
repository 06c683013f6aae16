#include "windows/menu_commands.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "windows/app_state.h"
#include "windows/tool_window_menu.h"
#include "export/bmp_export.h"
#include "platform/message_box.h"
#include "platform/system_calls.h"
#include "windows/canvas_size_dialog.h"
#include "resources/resource.h"
#include "windows/about_dialog.h"

// The diagram in progress is discarded; the user is told, not asked. Undo brings it back.
static void NewDiagram(HWND topology) {
    ShowNotice(topology, "作業中の設計を破棄します", "Message");
    ClearDiagramWithHistory(appState.session);
    InvalidateRect(topology, nullptr, TRUE);
}

// Room for whatever the user types: a dialog given only MAX_PATH can overrun it (and take the
// program, with the diagram, down) on a longer name.
constexpr size_t SAVE_DIALOG_BUFFER = 4096;

static void ShowNameTooLong(HWND owner) {
    ShowPlainError(owner, "ファイル名 (フォルダを含む) が長すぎるため、保存できません。259 バイトまでにしてください。");
}

// The save dialog, offering the name last chosen; true when the user confirmed a name short
// enough to be saved, which then becomes the name offered next time.
static bool ChooseSaveFile(HWND owner) {
    std::vector<char> name(SAVE_DIALOG_BUFFER, '\0');
    lstrcpynA(name.data(), appState.saveFileName, MAX_PATH);
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = "BMP files(*.bmp)\0*.bmp;\0All Files(*.*)\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = DWORD(name.size());
    request.lpstrTitle = "ファイルを保存";
    request.lpstrDefExt = "bmp";
    request.Flags = OFN_HIDEREADONLY;
    if (!systemCalls.saveDialog(&request)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
            ShowNameTooLong(owner);
        return false;
    }
    if (strlen(name.data()) >= sizeof appState.saveFileName) {
        ShowNameTooLong(owner);
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
            ShowPlainError(owner, "キャンバスの画像がないため、保存できませんでした。");
            break;
        case ExportStage::TOO_LARGE:
            ShowPlainError(owner, "キャンバスが大きすぎるため、保存できませんでした。");
            break;
        case ExportStage::NO_MEMORY:
            ShowPlainError(owner, "メモリが足りないため、保存できませんでした。");
            break;
        // A file that cannot be created, is read-only or hidden, or is in use gets the fixed text
        // users know; a full disk or a failed replacement gets what failed and the system's reason.
        case ExportStage::CREATE:
            ShowPlainError(owner, "Error CreaeFile");
            break;
        case ExportStage::WRITE:
        case ExportStage::REPLACE:
            ShowPlainError(owner, FileErrorMessage(status.error, FileOperation::EXPORT).c_str());
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
