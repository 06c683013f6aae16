#include "windows/add_symbol_dialog.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "core/add_checks.h"
#include "windows/change_notice.h"
#include "windows/app_state.h"
#include "platform/message_box.h"
#include "resources/resource.h"
#include "library/symbol_library.h"

static void OnInitDialog(HWND dialog) {
    // Without a library there is nothing to add to: the user is told and the dialog never shows.
    if (!appState.library.root[0]) {
        ShowNoLibraryError(GetParent(dialog), FileOperation::ADD_SYMBOL);
        EndDialog(dialog, IDC_ADD_CANCEL);
        return;
    }
    HWND combo = GetDlgItem(dialog, IDC_ADD_CATEGORY);
    for (const char* name : CATEGORY_NAMES)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(combo, CB_SETCURSEL, WPARAM(appState.tools.currentTab), 0);
    // The file chosen earlier in the run, which OK adds.
    SetDlgItemTextA(dialog, IDC_ADD_PATH, appState.addDialog.chosenPath);
}

// The system's buffers are local: a refused or cancelled choice leaves the previous one whole.
static void OnBrowse(HWND dialog) {
    char path[MAX_PATH];
    lstrcpynA(path, appState.addDialog.chosenPath, sizeof path);
    char title[MAX_PATH] = "";
    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = dialog;
    request.lpstrFilter = "ビットマップ形式 (*.bmp)\0*.bmp\0";
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrFileTitle = title;
    request.nMaxFileTitle = sizeof title;
    request.lpstrTitle = "ファイルオープン";
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    request.lpstrDefExt = "bmp";
    if (!GetOpenFileNameA(&request)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
            ShowError(dialog, "選んだファイルのパスが長すぎるため、追加できません。");
        return;
    }
    if (strlen(title) >= sizeof appState.addDialog.chosenTitle) {
        ShowError(dialog, "ファイル名が長すぎるため、追加できません。ファイル名は 63 バイトまでにしてください。");
        return;
    }
    lstrcpynA(appState.addDialog.chosenPath, path, sizeof appState.addDialog.chosenPath);
    lstrcpynA(appState.addDialog.chosenTitle, title, sizeof appState.addDialog.chosenTitle);
    SetDlgItemTextA(dialog, IDC_ADD_PATH, appState.addDialog.chosenPath);
}

// The category whose name the combo's field shows, or -1.
static int32_t ChosenCategory(HWND dialog) {
    char text[64] = "";
    GetDlgItemTextA(dialog, IDC_ADD_CATEGORY, text, sizeof text);
    return CategoryOfName(text);
}

static void ShowRefusedPicture(HWND dialog, const AddResult& result) {
    switch (result.picture) {
        case PictureStatus::CANNOT_OPEN:
            ShowFileError(dialog, result.error, FileOperation::ADD_SYMBOL);
            break;
        case PictureStatus::TOO_LARGE:
            ShowError(dialog,
                      "選んだビットマップは大きすぎるため、追加できません。シンボルにできるのは縦横 8192 "
                      "ピクセルまで、合わせて 8192 × 3072 ピクセルまでのビットマップです。");
            break;
        case PictureStatus::NOT_MADE:
            ShowError(dialog, "シンボルの画像を作成できないため、追加できませんでした。");
            break;
        case PictureStatus::OK:
        case PictureStatus::NOT_BITMAP:
            ShowError(dialog, "選んだファイルはビットマップとして読み込めないため、追加できません。");
            break;
    }
}

static void ShowAddResult(HWND dialog, const AddResult& result, int32_t category) {
    switch (result.outcome) {
        case AddOutcome::ADDED:
            break;
        case AddOutcome::NO_LIBRARY:
            ShowNoLibraryError(dialog, FileOperation::ADD_SYMBOL);
            break;
        case AddOutcome::CATEGORY_FULL:
            ShowError(dialog, (std::string("「") + CATEGORY_NAMES[category] + "」のシンボルは上限の " +
                               std::to_string(CATEGORY_IMAGE_LIMIT) + " 個に達しているため、追加できません。")
                                  .c_str());
            break;
        case AddOutcome::NOT_PICTURE:
            ShowRefusedPicture(dialog, result);
            break;
        case AddOutcome::FILE_NAME:
            ShowError(dialog,
                      "ファイル名に空白を含むファイルは追加できません。ファイル名を変えてから選び直してください。");
            break;
        case AddOutcome::PATH_TOO_LONG:
            ShowError(dialog, "シンボルを保存するフォルダのパスが長すぎるため、追加できません。");
            break;
        case AddOutcome::FILE_ERROR:
            ShowFileError(dialog, result.error, FileOperation::ADD_SYMBOL);
            break;
    }
}

// The chosen file joins the library in the chosen category and the dialog closes; whatever is
// refused or fails leaves the library as it was and the dialog open.
static void OnOk(HWND dialog) {
    if (!appState.addDialog.chosenPath[0]) {
        ShowError(dialog, "追加するビットマップ ファイルを「参照」で選んでください。");
        return;
    }
    const int32_t category = ChosenCategory(dialog);
    if (category < 0) {
        ShowError(dialog, "追加シンボル種類は一覧の中から選んでください。");
        return;
    }
    const AddResult result = AddLibrarySymbol(appState.instance, appState.library, appState.addDialog.chosenPath,
                                              appState.addDialog.chosenTitle, category);
    ShowAddResult(dialog, result, category);
    if (result.outcome != AddOutcome::ADDED)
        return;
    const LibraryChange change = {category, -1};
    NotifyChange(CHANGED_LIBRARY, &change);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}

static void OnCommand(HWND dialog, UINT id) {
    switch (id) {
        case IDC_ADD_BROWSE:
            OnBrowse(dialog);
            break;
        case IDC_ADD_OK:
            OnOk(dialog);
            break;
        case IDC_ADD_CANCEL:
            EndDialog(dialog, IDC_ADD_CANCEL);
            break;
    }
}

INT_PTR CALLBACK AddSymbolDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return TRUE;  // Esc (IDCANCEL) has no handler and does nothing
        case WM_CLOSE:
            EndDialog(dialog, 1);
            return TRUE;
    }
    return FALSE;
}
