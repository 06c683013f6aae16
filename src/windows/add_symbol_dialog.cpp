#include "windows/add_symbol_dialog.h"

#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/add_checks.h"
#include "library/symbol_library.h"
#include "platform/alerts.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/change_notice.h"
#include "windows/dialog_support.h"

static void OnInitDialog(HWND dialog) {
    // Without a library there is nothing to add to: the user is told and the dialog never shows.
    if (!appState.library.root[0]) {
        ShowNoLibraryError(GetParent(dialog), FileOperation::ADD_SYMBOL);
        EndDialog(dialog, IDC_ADD_CANCEL);
        return;
    }
    HWND combo = GetDlgItem(dialog, IDC_ADD_CATEGORY);
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(IDS_CATEGORY_FIRST + category).c_str()));
    SendMessageA(combo, CB_SETCURSEL, WPARAM(appState.tools.currentTab), 0);
    // The file chosen earlier in the run, which OK adds.
    SetDlgItemTextA(dialog, IDC_ADD_PATH, appState.addDialog.chosenPath);
    FitStaticTexts(dialog);
}

// The system's buffers are local: a refused or cancelled choice leaves the previous one whole.
static void OnBrowse(HWND dialog) {
    char path[MAX_PATH];
    lstrcpynA(path, appState.addDialog.chosenPath, sizeof path);
    char title[MAX_PATH] = "";
    const std::string filter = LoadFilterText(IDS_OPEN_FILTER), caption = LoadText(IDS_OPEN_TITLE);
    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = dialog;
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrFileTitle = title;
    request.nMaxFileTitle = sizeof title;
    request.lpstrTitle = caption.c_str();
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    request.lpstrDefExt = "bmp";
    if (!GetOpenFileNameA(&request)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
            Alert(dialog, AlertKind::ERROR_BOX, IDS_CHOSEN_PATH_TOO_LONG);
        return;
    }
    if (strlen(title) >= sizeof appState.addDialog.chosenTitle) {
        Alert(dialog, AlertKind::ERROR_BOX, IDS_CHOSEN_NAME_TOO_LONG);
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
    std::vector<std::string> names;
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        names.push_back(LoadText(IDS_CATEGORY_FIRST + category));
    return CategoryOfName(text, names);
}

static void ShowRefusedPicture(HWND dialog, const AddResult& result) {
    switch (result.picture) {
        case PictureStatus::CANNOT_OPEN:
            ShowFileError(dialog, result.error, FileOperation::ADD_SYMBOL);
            break;
        case PictureStatus::TOO_LARGE:
            Alert(dialog, AlertKind::ERROR_BOX, IDS_PICTURE_TOO_LARGE);
            break;
        case PictureStatus::NOT_MADE:
            Alert(dialog, AlertKind::ERROR_BOX, IDS_PICTURE_NOT_MADE);
            break;
        case PictureStatus::OK:
        case PictureStatus::NOT_BITMAP:
            Alert(dialog, AlertKind::ERROR_BOX, IDS_NOT_A_BITMAP);
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
            Alert(dialog, AlertKind::ERROR_BOX,
                  FormatText(IDS_CATEGORY_FULL, LoadText(IDS_CATEGORY_FIRST + category).c_str(), CATEGORY_IMAGE_LIMIT));
            break;
        case AddOutcome::NOT_PICTURE:
            ShowRefusedPicture(dialog, result);
            break;
        case AddOutcome::FILE_NAME:
            Alert(dialog, AlertKind::ERROR_BOX, IDS_NAME_HAS_BLANKS);
            break;
        case AddOutcome::PATH_TOO_LONG:
            Alert(dialog, AlertKind::ERROR_BOX, IDS_SYMBOL_FOLDER_TOO_DEEP);
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
        Alert(dialog, AlertKind::ERROR_BOX, IDS_CHOOSE_FILE_FIRST);
        return;
    }
    const int32_t category = ChosenCategory(dialog);
    if (category < 0) {
        Alert(dialog, AlertKind::ERROR_BOX, IDS_CHOOSE_LISTED_CATEGORY);
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
