#include "symbols/delete_symbol.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "symbols/catalog.h"
#include "symbols/palette_page.h"

// A hand-edited catalogue may name one file twice; the file stays while a record still needs it.
static bool NamedMoreThanOnce(const std::vector<CatalogRecord>& records, const std::string& relativePath) {
    int named = 0;
    for (const CatalogRecord& record : records) {
        if (record.usable && lstrcmpiA(record.relativePath.c_str(), relativePath.c_str()) == 0)
            ++named;
    }
    return named > 1;
}

void DeleteSymbol(int32_t category, const char* root, HWND list, HIMAGELIST imageList, int32_t& count) {
    if (RefuseWithoutLibrary(list, root, FileOperation::DELETE_SYMBOL))
        return;
    const int index = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    if (index < 0)
        return;
    if (MessageBoxA(list, "削除してもよろしいですか？", "確認", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;

    // The file goes first: when it cannot be rewritten, the palette must go on showing what the
    // catalogue holds.
    std::string text;
    DWORD error = ReadCatalogText(root, &text);
    if (error) {
        ShowFileError(list, error);
        return;
    }
    const std::vector<CatalogRecord> records = ParseCatalog(text.data(), text.size(), strlen(root));
    // The palette's positions name records only while it shows what the file holds; a catalogue
    // that could not be read at start or was changed since would lead to the wrong record and file.
    const auto shown = std::count_if(records.begin(), records.end(), [category](const CatalogRecord& record) {
        return record.usable && record.category == category;
    });
    if (shown != count) {
        MessageBoxA(list, "シンボル ファイルの内容がパレットと一致しないため、削除できません。プログラムを起動し直してください。",
                    "エラー", MB_OK | MB_ICONERROR);
        return;
    }
    std::string removedPath;
    const std::string rewritten = CatalogWithoutRecord(records, category, index, &removedPath);
    if (!removedPath.empty()) {
        error = ReplaceCatalogText(root, rewritten);
        if (error) {
            ShowFileError(list, error);
            return;
        }
    }

    ImageList_Remove(imageList, index);
    if (count > 0)
        --count;
    RebuildPalette(list, imageList, count);

    // Only a file inside the Symbol folder is removed: a hand-edited path must not reach elsewhere.
    if (IsLibraryImagePath(removedPath) && !NamedMoreThanOnce(records, removedPath))
        DeleteFileA((std::string(root) + removedPath).c_str());
}
