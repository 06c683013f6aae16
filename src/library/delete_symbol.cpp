#include "library/delete_symbol.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "library/catalog.h"
#include "windows/palette_page.h"

// The path as the file system resolves it (dots, case and short names are left as given), or "".
static std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : std::string();
}

// The file a delete of the record may remove, or "": only one directly in the Symbol folder,
// judged both on the catalogue's text and on the path the system makes of it.
static std::string DeletableFile(const char* root, const std::string& relativePath) {
    if (!IsLibraryImagePath(relativePath))
        return {};
    const std::string folder = FullPath(std::string(root) + SYMBOL_FOLDER);
    const std::string file = FullPath(root + relativePath);
    return !folder.empty() && IsFileDirectlyInFolder(folder, file) ? file : std::string();
}

struct FileId {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
    bool operator==(const FileId& other) const {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

// Which file a path names, whatever its spelling (case, trailing dots, short names).
static bool IdentifyFile(const std::string& path, FileId* id) {
    FileHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.ok() || !GetFileInformationByHandle(file.get(), &info))
        return false;
    *id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

// A hand-edited catalogue may name one file more than once; it stays while a record needs it.
static bool NamedByAnotherRecord(const char* root, const std::vector<CatalogRecord>& records,
                                 const CatalogRecord* removed, const FileId& file) {
    for (const CatalogRecord& record : records) {
        FileId other;
        if (&record != removed && record.usable && IdentifyFile(root + record.relativePath, &other) &&
            other == file)
            return true;
    }
    return false;
}

int32_t DeleteSymbol(int32_t category, const char* root, HWND list, SymbolCatalog& catalog) {
    if (RefuseWithoutLibrary(list, root, FileOperation::DELETE_SYMBOL))
        return -1;
    const int index = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    if (index < 0)
        return -1;
    if (MessageBoxA(list, "削除してもよろしいですか？", "確認", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return -1;

    // The file goes first: when it cannot be rewritten, the palette must go on showing what the
    // catalogue holds.
    std::string text;
    DWORD error = ReadCatalogText(root, &text);
    if (error) {
        ShowFileError(list, error, FileOperation::DELETE_SYMBOL);
        return -1;
    }
    const std::vector<CatalogRecord> records = ParseCatalog(text.data(), text.size(), strlen(root));
    // Symbol.txt may have been changed since it was read (another copy of the program, an editor):
    // only the very record the palette shows may go, never whatever now stands in its place.
    std::vector<std::string>& paths = catalog.categoryPaths[category];
    const CatalogRecord* removed = FindCategoryRecord(records, category, index);
    if (!removed || size_t(index) >= paths.size() || removed->relativePath != paths[index]) {
        MessageBoxA(list, "シンボル ファイルの内容がパレットと一致しないため、削除できません。プログラムを起動し直してください。",
                    "エラー", MB_OK | MB_ICONERROR);
        return -1;
    }
    error = ReplaceCatalogText(root, CutCatalogRecord(text, *removed));
    if (error) {
        ShowFileError(list, error, FileOperation::DELETE_SYMBOL);
        return -1;
    }

    ImageList_Remove(catalog.categoryImageList[category], index);
    paths.erase(paths.begin() + index);
    --catalog.categoryCount[category];
    RebuildPalette(list, catalog.categoryImageList[category], catalog.categoryCount[category]);

    const std::string file = DeletableFile(root, removed->relativePath);
    FileId id;
    // The record is gone either way; a file left behind would block adding its name again.
    if (!file.empty() && IdentifyFile(file, &id) && !NamedByAnotherRecord(root, records, removed, id) &&
        !DeleteFileA(file.c_str()))
        ShowFileError(list, GetLastError(), FileOperation::REMOVE_IMAGE_FILE);
    return index;
}
