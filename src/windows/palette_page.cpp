#include "windows/palette_page.h"

#include "library/symbol_library.h"
#include "platform/gdi_objects.h"
#include "platform/alerts.h"
#include "render/symbol_image.h"
#include "resources/resource.h"
#include "core/view_layout.h"
#include "windows/app_state.h"
#include "windows/armed_frame.h"
#include "windows/change_notice.h"
#include "windows/dialog_support.h"

constexpr int PALETTE_SPACING = SYMBOL_SIZE + 12;  // pixels at 96 DPI; the pictures stay 1:1

struct PaletteTemplate {
    int templateId;
    int listId;
};

// In category order; the templates differ only in their list view's id.
static const PaletteTemplate PALETTE_TEMPLATES[CATEGORY_COUNT] = {
    {IDD_PALETTE_ROUTER, IDC_PALETTE_ROUTER}, {IDD_PALETTE_HUB, IDC_PALETTE_HUB},
    {IDD_PALETTE_HOST, IDC_PALETTE_HOST},     {IDD_PALETTE_CLOUD, IDC_PALETTE_CLOUD},
    {IDD_PALETTE_OTHER, IDC_PALETTE_OTHER},
};

HWND CreatePalettePage(HWND owner, int32_t category) {
    return CreateDialogParamA(appState.instance, MAKEINTRESOURCEA(PALETTE_TEMPLATES[category].templateId), owner,
                              PalettePageProc, category);
}

// Stored as category + 1, so that messages before WM_INITDIALOG find no category.
static int32_t PageCategory(HWND page) {
    return int32_t(GetWindowLongPtrA(page, DWLP_USER)) - 1;
}

HWND PaletteList(HWND page) {
    const int32_t category = PageCategory(page);
    return category >= 0 && category < CATEGORY_COUNT ? GetDlgItem(page, PALETTE_TEMPLATES[category].listId) : nullptr;
}

void RebuildPalette(HWND list, HIMAGELIST imageList, int32_t count) {
    // Laid out and drawn once at the end, not after every item.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList));
    SendMessageA(list, LVM_SETITEMCOUNT, WPARAM(count), 0);
    for (int32_t i = 0; i < count; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = i;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void RefreshPalette(HWND page) {
    const int32_t category = PageCategory(page);
    if (category < 0 || category >= CATEGORY_COUNT)
        return;
    const LibraryCategory& shelf = appState.library.categories[category];
    RebuildPalette(PaletteList(page), shelf.images.get(), int32_t(shelf.items.size()));
}

// White whatever the window colour (a high-contrast theme's may be black): the pictures are drawn
// for the white canvas, and the dark ones would vanish.
static void KeepPaletteWhite(HWND list) {
    SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
}

static void OnInitDialog(HWND page, int32_t category) {
    SetWindowLongPtrA(page, DWLP_USER, category + 1);
    HWND list = PaletteList(page);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, 0);
    // Items have no labels: a grid a little wider than the pictures shows several in a row.
    const int spacing = ScaleToDpi(PALETTE_SPACING, appState.dpi);
    SendMessageA(list, LVM_SETICONSPACING, 0, MAKELPARAM(spacing, spacing));
    KeepPaletteWhite(list);
    RefreshPalette(page);
}

void ArmPaletteSymbol(int32_t category, int32_t index) {
    std::shared_ptr<const SymbolPicture> picture;
    if (WindowDC dc(appState.topology); dc)
        picture = ItemPicture(appState.library, dc.get(), category, index);
    ArmSymbolTool(appState.session, category, index, SymbolWithPicture(std::move(picture)));
    NotifyChange(CHANGED_TOOL);
}

// The clicked item becomes the symbol tool. A single-selection list has selected the item under the
// click (and nothing for a click beside the items) before it reports the click. Positions would
// name the wrong item: a click on a half-hidden item scrolls the list first, and both the mouse
// position and the point and item that some list views put in the notification (taken when the
// button comes up) then fall on another item or on none.
static void OnClick(HWND page) {
    const int index = int(SendMessageA(PaletteList(page), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    if (index >= 0)
        ArmPaletteSymbol(PageCategory(page), index);
}

static bool IsPicked(HWND list, int index) {
    return (SendMessageA(list, LVM_GETITEMSTATE, WPARAM(index), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

static RECT ItemRect(HWND list, int index, int part) {
    RECT box = {};
    box.left = part;
    SendMessageA(list, LVM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&box));
    return box;
}

// A list without the focus shows no selection of its own, so the picked item, the one
// "シンボルの削除" deletes, is drawn here: framed in the highlight colour while its symbol tool is
// armed (the next click on the canvas places it), else on a tile of the face colour, as a selection
// without the focus. The list draws its selected items again itself when it gains or loses the focus.
static LRESULT OnCustomDraw(HWND page, HWND list, const NMLVCUSTOMDRAW& draw) {
    const int index = int(draw.nmcd.dwItemSpec);
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return GetFocus() != list && IsPicked(list, index) ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
        case CDDS_ITEMPOSTPAINT: {
            const RECT icon = ItemRect(list, index, LVIR_ICON);
            if (IsArmedSymbol(appState.session.tool, PageCategory(page), index)) {
                DrawArmedFrame(draw.nmcd.hdc, icon);
                break;
            }
            // Around the picture, which the list has drawn.
            const RECT tile = ItemRect(list, index, LVIR_BOUNDS);
            const int saved = SaveDC(draw.nmcd.hdc);
            ExcludeClipRect(draw.nmcd.hdc, icon.left, icon.top, icon.right, icon.bottom);
            FillRect(draw.nmcd.hdc, &tile, GetSysColorBrush(COLOR_3DFACE));
            RestoreDC(draw.nmcd.hdc, saved);
            break;
        }
    }
    return CDRF_DODEFAULT;
}

// Returns the list's answer to a custom draw notification; 0 for the others.
static LRESULT OnNotify(HWND page, const NMHDR& header) {
    HWND list = PaletteList(page);
    if (!list || header.hwndFrom != list)
        return 0;
    switch (header.code) {
        case UINT(NM_CLICK):
            OnClick(page);
            break;
        case UINT(NM_CUSTOMDRAW):
            return OnCustomDraw(page, list, reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
    }
    return 0;
}

static void ShowDeleteResult(HWND owner, const DeleteResult& result) {
    switch (result.outcome) {
        case DeleteOutcome::DELETED:
            ShowFileError(owner, result.imageFileError, FileOperation::REMOVE_IMAGE_FILE);
            break;
        case DeleteOutcome::NO_LIBRARY:
            ShowNoLibraryError(owner, FileOperation::DELETE_SYMBOL);
            break;
        case DeleteOutcome::CATALOGUE_CHANGED:
            Alert(owner, AlertKind::ERROR_BOX, IDS_CATALOGUE_CHANGED);
            break;
        case DeleteOutcome::CATALOGUE_ERROR:
            ShowFileError(owner, result.error, FileOperation::DELETE_SYMBOL);
            break;
    }
}

void DeletePickedSymbol(HWND page) {
    const int32_t category = PageCategory(page);
    if (category < 0 || category >= CATEGORY_COUNT)
        return;
    HWND list = PaletteList(page);
    const int index = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    if (index < 0 || !Alert(list, AlertKind::OK_CANCEL_QUESTION, IDS_CONFIRM_DELETE))
        return;
    const DeleteResult result = DeleteLibrarySymbol(appState.library, category, index);
    if (result.outcome == DeleteOutcome::DELETED) {
        const LibraryChange change = {category, index};
        NotifyChange(CHANGED_LIBRARY, &change);
    }
    ShowDeleteResult(list, result);
}

INT_PTR CALLBACK PalettePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(page, int32_t(lParam));
            return TRUE;
        case WM_SYSCOLORCHANGE:
            ForwardColourChange(page, wParam, lParam);
            KeepPaletteWhite(PaletteList(page));
            return TRUE;
        case WM_NOTIFY:
            SetWindowLongPtrA(page, DWLP_MSGRESULT, OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam)));
            return TRUE;
    }
    return FALSE;
}
