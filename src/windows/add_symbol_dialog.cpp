#include "windows/add_symbol_dialog.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "core/add_checks.h"
#include "windows/app_messages.h"
#include "windows/app_state.h"
#include "platform/message_box.h"
#include "resources/resource.h"
#include "library/catalog.h"
#include "library/library_pictures.h"
#include "library/symbol_files.h"

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
}

// The system's buffers are local: a refused or cancelled choice leaves the previous one whole.
static void OnBrowse(HWND dialog) {
    char path[MAX_PATH];
    lstrcpynA(path, appState.library.chosenPath, sizeof path);
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
    if (strlen(title) >= sizeof appState.library.chosenTitle) {
        ShowError(dialog, "ファイル名が長すぎるため、追加できません。ファイル名は 63 バイトまでにしてください。");
        return;
    }
    lstrcpynA(appState.library.chosenPath, path, sizeof appState.library.chosenPath);
    lstrcpynA(appState.library.chosenTitle, title, sizeof appState.library.chosenTitle);
    SetDlgItemTextA(dialog, IDC_ADD_PATH, appState.library.chosenPath);
}

// The category whose name the combo's field shows, or -1.
static int32_t ChosenCategory(HWND dialog) {
    char text[64] = "";
    GetDlgItemTextA(dialog, IDC_ADD_CATEGORY, text, sizeof text);
    return CategoryOfName(text);
}

// The chosen file opens and is a bitmap the program can show; otherwise the user is told.
static bool ChosenFileLoads(HWND dialog) {
    PictureReader reader;
    const LibraryPicture picture = reader.Read(appState.library.chosenPath);
    switch (picture.status) {
        case PictureStatus::OK:
            return true;
        case PictureStatus::CANNOT_OPEN:
            ShowFileError(dialog, picture.error, FileOperation::ADD_SYMBOL);
            break;
        case PictureStatus::NOT_BITMAP:
            ShowError(dialog, "選んだファイルはビットマップとして読み込めないため、追加できません。");
            break;
        case PictureStatus::TOO_LARGE:
            ShowError(dialog,
                      "選んだビットマップは大きすぎるため、追加できません。シンボルにできるのは縦横 1024 "
                      "ピクセルまで、8 MB までのビットマップです。");
            break;
        case PictureStatus::NOT_MADE:
            ShowError(dialog, "シンボルの画像を作成できないため、追加できませんでした。");
            break;
    }
    return false;
}

// Copy the file, append its record, add its picture, rebuild the palettes. Whatever is refused
// or fails leaves the library as it was and the dialog open.
static void OnOk(HWND dialog) {
    const int32_t category = ChosenCategory(dialog);
    if (category < 0) {
        ShowError(dialog, "追加シンボル種類は一覧の中から選んでください。");
        return;
    }
    if (CategoryIsFull(appState.library.catalog, category)) {
        const std::string text = std::string("「") + CATEGORY_NAMES[category] + "」のシンボルは上限の " +
                                 std::to_string(CATEGORY_IMAGE_LIMIT) + " 個に達しているため、追加できません。";
        ShowError(dialog, text.c_str());
        return;
    }
    if (!ChosenFileLoads(dialog))
        return;
    switch (CheckNewSymbolName(appState.library.chosenTitle, strlen(appState.library.root))) {
        case AddRefusal::FILE_NAME:
            ShowError(dialog,
                      "ファイル名に空白を含むファイルは追加できません。ファイル名を変えてから選び直してください。");
            return;
        case AddRefusal::PATH_TOO_LONG:
            ShowError(dialog, "シンボルを保存するフォルダのパスが長すぎるため、追加できません。");
            return;
        case AddRefusal::NONE:
            break;
    }
    const std::string relativePath = NewSymbolPath(appState.library.chosenTitle);
    const DWORD error = AddSymbolFile(appState.library.root, appState.library.chosenPath, category, relativePath);
    if (error) {
        ShowFileError(dialog, error, FileOperation::ADD_SYMBOL);
        return;
    }
    AddSymbolImage(appState.instance, appState.library.root, relativePath, appState.library.catalog, category);
    for (HWND page : appState.tools.palettePage)
        SendMessageA(page, MSG_PALETTE_REFRESH, 0, 0);
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
