#include "windows/symbol_window.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "core/view_layout.h"
#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "platform/alerts.h"
#include "resources/resource.h"
#include "windows/add_symbol_dialog.h"
#include "windows/app_state.h"
#include "windows/armed_frame.h"
#include "windows/change_notice.h"
#include "windows/dialog_support.h"
#include "windows/palette_page.h"
#include "windows/tool_window_menu.h"

static void ShowOnlyPage(int32_t tab) {
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        ShowWindow(appState.tools.palettePage[category], category == tab ? SW_SHOW : SW_HIDE);
}

static UINT UnusableRecordText(RecordFault fault) {
    switch (fault) {
        case RecordFault::CATEGORY:
            return IDS_FAULT_CATEGORY;
        case RecordFault::PATH_TOO_LONG:
            return IDS_FAULT_PATH_TOO_LONG;
        case RecordFault::NOT_A_RECORD:
        case RecordFault::NONE:
            break;
    }
    return IDS_FAULT_NOT_A_RECORD;
}

void ShowLibraryLoadResult(HWND owner, const LibraryLoad& load) {
    if (!appState.library.root[0])
        Alert(owner, AlertKind::ERROR_BOX, IDS_NO_LIBRARY_AT_START);
    else
        ShowFileError(owner, load.error, FileOperation::OPEN_CATALOGUE);
    // What was skipped, in one message.
    std::string text;
    if (load.unusableRecords > 0)
        text = FormatText(IDS_RECORDS_UNUSABLE, load.unusableRecords, unsigned(load.firstUnusableLine),
                          LoadText(UnusableRecordText(load.firstUnusableFault)).c_str());
    if (load.recordsLeftOut > 0)
        text += FormatText(IDS_RECORDS_LEFT_OUT, load.recordsLeftOut, CATEGORY_IMAGE_LIMIT);
    if (!text.empty())
        Alert(owner, AlertKind::ERROR_BOX, text + LoadText(IDS_CATALOGUE_UNCHANGED));
}

// The tool and cable pictures and what each arms: its tool and, for a cable, the cable type.
struct ToolPicture {
    int id;
    int16_t tool;
    int32_t cableType;  // 0 for the select and delete tools
};
static const ToolPicture TOOL_PICTURES[] = {
    {IDC_PICK_SELECT, TOOL_SELECT, 0},
    {IDC_PICK_DELETE, TOOL_DELETE, 0},
    {IDC_PICK_STRAIGHT, TOOL_CABLE, CABLE_STRAIGHT},
    {IDC_PICK_CROSS, TOOL_CABLE, CABLE_CROSS},
    {IDC_PICK_SERIAL, TOOL_CABLE, CABLE_SERIAL},
    {IDC_PICK_CONSOLE, TOOL_CABLE, CABLE_CONSOLE},
    {IDC_PICK_TELEPHONE, TOOL_CABLE, CABLE_TELEPHONE},
    {IDC_PICK_MET, TOOL_CABLE, CABLE_MET},
    {IDC_PICK_OPTICAL, TOOL_CABLE, CABLE_OPTICAL},
};

static_assert(std::size(TOOL_PICTURES) == TOOL_PICTURE_COUNT, "one scaled picture for each");

static RECT FrameAround(HWND dialog, const ToolPicture& picture) {
    RECT rect = ControlRect(GetDlgItem(dialog, picture.id));
    InflateRect(&rect, ArmedFrameWidth(), ArmedFrameWidth());
    return rect;
}

// Away from 96 DPI each 30-pixel picture is replaced by a copy stretched to the DPI (smoothed by the
// system's halftone stretch); the control takes the copy's size. The copies are the window's.
static void ScaleToolPictures(HWND dialog) {
    if (appState.dpi == DESIGN_DPI)
        return;
    for (size_t i = 0; i < std::size(TOOL_PICTURES); ++i) {
        HWND control = GetDlgItem(dialog, TOOL_PICTURES[i].id);
        const HANDLE designed = reinterpret_cast<HANDLE>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP size = {};
        if (!designed || !GetObjectA(designed, sizeof size, &size))
            continue;
        OwnedBitmap& scaled = appState.tools.toolPictures[i];
        scaled = OwnedBitmap(NewStretchedBitmap(static_cast<HBITMAP>(designed), ScaleToDpi(size.bmWidth, appState.dpi),
                                                ScaleToDpi(size.bmHeight, appState.dpi)));
        if (!scaled)
            continue;
        // The control gives back the picture it loaded, which is then the program's to delete.
        const HANDLE old = reinterpret_cast<HANDLE>(
            SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled.get())));
        if (old && old != scaled.get())
            DeleteObject(old);
    }
}

// The pictures' frames lie outside them: a row of the tool area that would cover a frame above it,
// or whose frames would reach into the row above, moves down (with every row after it), and the
// window grows by as much. With the fonts the template was drawn for nothing moves.
static void SeparateToolRows(HWND dialog) {
    const RECT buttons = ControlRect(GetDlgItem(dialog, IDC_ADD_SYMBOL));
    struct Placed {
        HWND control;
        RECT rect;   // where it is
        RECT reach;  // with its frame, for a picture
    };
    std::vector<Placed> below;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT rect = ControlRect(control);
        if (rect.top < buttons.bottom)
            continue;
        RECT reach = rect;
        const int id = GetDlgCtrlID(control);
        if (std::any_of(std::begin(TOOL_PICTURES), std::end(TOOL_PICTURES),
                        [id](const ToolPicture& picture) { return picture.id == id; }))
            InflateRect(&reach, ArmedFrameWidth(), ArmedFrameWidth());
        below.push_back({control, rect, reach});
    }
    std::stable_sort(below.begin(), below.end(),
                     [](const Placed& a, const Placed& b) { return a.rect.top < b.rect.top; });
    LONG shift = 0;
    for (size_t row = 0; row < below.size();) {
        size_t end = row;
        while (end < below.size() && below[end].rect.top == below[row].rect.top)
            ++end;
        LONG needed = shift;
        for (size_t i = row; i < end; ++i)
            for (size_t j = 0; j < row; ++j) {
                const RECT& mine = below[i].reach;
                const RECT& above = below[j].reach;
                if (mine.left < above.right && above.left < mine.right)
                    needed = std::max(needed, above.bottom - mine.top);
            }
        for (size_t i = row; i < end; ++i) {
            OffsetRect(&below[i].rect, 0, needed);
            OffsetRect(&below[i].reach, 0, needed);
            if (needed)
                SetWindowPos(below[i].control, nullptr, below[i].rect.left, below[i].rect.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        shift = needed;
        row = end;
    }
    GrowWindow(dialog, 0, shift);
}

static void OnInitDialog(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_CATEGORY_TABS);
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        std::string name = LoadText(IDS_CATEGORY_FIRST + category);
        item.pszText = &name[0];
        SendMessageA(tabs, TCM_INSERTITEMA, category, reinterpret_cast<LPARAM>(&item));
    }
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        appState.tools.palettePage[category] = CreatePalettePage(dialog, category);

    // The pages cover the tab control's display area.
    RECT area = {};
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, dialog, reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left, height = area.bottom - area.top;
    for (HWND page : appState.tools.palettePage) {
        MoveWindow(page, area.left, area.top, width, height, FALSE);
        // The template's list view is taller than the display area of two rows of tabs: fitted to
        // the page, its last row and its scroll bar stay within reach.
        MoveWindow(PaletteList(page), 0, 0, width, height, FALSE);
        // Above the tab control, which would otherwise paint over them.
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    appState.tools.currentTab = 0;
    ShowOnlyPage(appState.tools.currentTab);
    FitStaticTexts(dialog);
    ScaleToolPictures(dialog);
    SeparateToolRows(dialog);
}

// The scaled pictures go after the controls stop showing them.
static void OnDestroy(HWND dialog) {
    for (const ToolPicture& picture : TOOL_PICTURES)
        SendDlgItemMessageA(dialog, picture.id, STM_SETIMAGE, IMAGE_BITMAP, 0);
    for (OwnedBitmap& picture : appState.tools.toolPictures)
        picture.Reset();
}

static void OnTabChange(HWND tabs) {
    const int32_t tab = int32_t(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    if (tab < 0 || tab >= CATEGORY_COUNT)
        return;
    appState.tools.currentTab = tab;
    ShowOnlyPage(tab);
}

static void OnNotify(HWND dialog, const NMHDR& header) {
    HWND tabs = GetDlgItem(dialog, IDC_CATEGORY_TABS);
    if (header.hwndFrom == tabs && header.code == UINT(TCN_SELCHANGE))
        OnTabChange(tabs);
}

static void ArmPictureTool(const ToolPicture& picture) {
    ArmTool(appState.session, picture.tool, picture.cableType);
    NotifyChange(CHANGED_TOOL);
}

// The armed tool's picture is framed in the system's highlight colour; a symbol tool frames none.
static void OnPaint(HWND dialog) {
    PaintDC paint(dialog);
    for (const ToolPicture& picture : TOOL_PICTURES) {
        if (!IsArmed(appState.session.tool, picture.tool, picture.cableType))
            continue;
        DrawArmedFrame(paint.get(), FrameAround(dialog, picture));
    }
}

// The pictures and their frames drawn again at once, and the visible palette, whose picked item is
// framed only while its symbol tool is armed: nothing is left waiting to be painted.
static void ShowArmedTool(HWND dialog) {
    RECT all = FrameAround(dialog, TOOL_PICTURES[0]);
    for (const ToolPicture& picture : TOOL_PICTURES) {
        const RECT frame = FrameAround(dialog, picture);
        UnionRect(&all, &all, &frame);
    }
    const UINT now = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    RedrawWindow(dialog, &all, nullptr, now);
    RedrawWindow(PaletteList(appState.tools.palettePage[appState.tools.currentTab]), nullptr, nullptr, now);
}

// Picture clicks arrive as STN_CLICKED and STN_DBLCLK alike: a double click acts twice.
static void OnCommand(HWND dialog, UINT id) {
    switch (id) {
        case IDC_ADD_SYMBOL:
            DialogBoxParamA(appState.instance, MAKEINTRESOURCEA(IDD_ADD_SYMBOL), dialog, AddSymbolDialogProc, 0);
            return;
        case IDC_DELETE_SYMBOL:
            DeletePickedSymbol(appState.tools.palettePage[appState.tools.currentTab]);
            return;
    }
    for (const ToolPicture& picture : TOOL_PICTURES) {
        if (picture.id == int(id))
            ArmPictureTool(picture);
    }
}

// A symbol added shows in every palette (each is built again); one deleted leaves its own.
static void OnChanged(HWND dialog, WPARAM changes, const LibraryChange* library) {
    if (changes & CHANGED_LIBRARY) {
        for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
            if (!library || library->removedIndex < 0 || library->category == category)
                RefreshPalette(appState.tools.palettePage[category]);
    }
    if (changes & CHANGED_TOOL)
        ShowArmedTool(dialog);
}

INT_PTR CALLBACK SymbolWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return FALSE;
        case WM_NOTIFY:
            OnNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return FALSE;
        case WM_PAINT:
            OnPaint(dialog);
            return TRUE;
        case MSG_CHANGED:
            OnChanged(dialog, wParam, reinterpret_cast<const LibraryChange*>(lParam));
            return TRUE;
        case WM_CLOSE:
            HideToolWindow(dialog, IDM_VIEW_SYMBOL_WINDOW);
            return TRUE;
        case WM_SYSCOLORCHANGE:
            ForwardColourChange(dialog, wParam, lParam);
            return TRUE;
        case WM_DESTROY:
            OnDestroy(dialog);
            return TRUE;
    }
    return FALSE;
}
