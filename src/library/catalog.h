// The symbol library in memory: one image list and one count per category, loaded from Symbol.txt,
// and the file operations on the library's folder.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalog_format.h"

enum SymbolCategory : int32_t { CATEGORY_ROUTER, CATEGORY_HUB, CATEGORY_HOST, CATEGORY_CLOUD, CATEGORY_OTHER };

// Tab labels and combo entries, in category order.
constexpr const char* CATEGORY_NAMES[CATEGORY_COUNT] = {"ルータ", "ハブ", "ホスト", "クラウド", "アザー"};

constexpr char CATALOG_NAME[] = "\\Symbol.txt";


struct SymbolCatalog {
    HIMAGELIST categoryImageList[CATEGORY_COUNT];
    int32_t categoryCount[CATEGORY_COUNT];
    // The catalogue path each palette item came from, in palette order: a delete removes a record
    // only while it is still where the palette found it.
    std::vector<std::string> categoryPaths[CATEGORY_COUNT];
};


// The category's image list, or null for a category outside 0..4 or a library that did not load.
HIMAGELIST CategoryImageList(int32_t category);

// Reads Symbol.txt under root (creating it empty when missing) into the catalogue. Every usable
// record adds one image, its own picture or the placeholder, so palette position k is always the
// k-th usable record of its category. A catalogue that cannot be opened is reported to the owner.
// An empty root (no usable folder at start-up) reads nothing and says once that there is no library.
void LoadCatalog(HWND owner, const char* root, SymbolCatalog& catalog);

// Frees the image lists (the palettes hand theirs back when they go) and forgets their items.
void ReleaseCategoryImageList(SymbolCatalog& catalog, int32_t category);
void ReleaseCatalog(SymbolCatalog& catalog);

// Appends the picture of root + relativePath to the category's list, or the placeholder when the
// file is missing or not a bitmap that can be loaded safely, and counts it with its path.
void AddSymbolImage(const char* root, const std::string& relativePath, SymbolCatalog& catalog, int32_t category);

// The picture of a bitmap file stretched to 50 x 50, or null. The file is checked before the
// system's loader sees it: malformed files crash that loader. openError (may be null) receives
// the system's error code when the file cannot be opened at all, else 0.
HBITMAP LoadSymbolBitmap(const char* fullPath, DWORD* openError);

// File operations on the library. Each returns 0 on success, else the system error code.
DWORD ReadCatalogText(const char* root, std::string* text);
// Adds one record at the end, on a line of its own; on failure the file is as it was.
DWORD AppendCatalogRecord(const char* root, int32_t category, const std::string& relativePath);
// Replaces the whole catalogue by a new file written beside it, so a failure at any point leaves
// the old catalogue whole. A read-only catalogue is refused (ERROR_ACCESS_DENIED).
DWORD ReplaceCatalogText(const char* root, const std::string& text);

// Which operation failed, named in the message for codes without a fixed text.
enum class FileOperation { FILE_ACCESS, OPEN_CATALOG, ADD_SYMBOL, DELETE_SYMBOL, REMOVE_IMAGE_FILE, EXPORT };

// The message for a failed file operation: the fixed text of a known code, else what failed, the
// system's description of the code and the code itself.
std::string FileErrorMessage(DWORD code, FileOperation operation);
// That message in a box, for every non-zero code.
void ShowFileError(HWND owner, DWORD code, FileOperation operation = FileOperation::FILE_ACCESS);

// With an empty root (start-up found no usable folder for the library), says why the operation
// cannot be done and returns true.
bool RefuseWithoutLibrary(HWND owner, const char* root, FileOperation operation);
