// The symbol library in memory: one image list and one count per category, loaded from Symbol.txt,
// and the file operations on the library's folder.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalog_format.h"
#include "platform/gdi_objects.h"
#include "render/symbol_image.h"

constexpr char CATALOG_NAME[] = "\\Symbol.txt";

struct SymbolCatalog {
    // The catalogue is the lists' one owner: the palettes show them but never free them.
    OwnedImageList categoryImageList[CATEGORY_COUNT];
    int32_t categoryCount[CATEGORY_COUNT];
    // The catalogue path each palette item came from, in palette order: a delete removes a record
    // only while it is still where the palette found it.
    std::vector<std::string> categoryPaths[CATEGORY_COUNT];
    // Each palette item's picture for placed symbols, made when the item is first placed (null
    // before). The catalogue holds one reference to each and drops it when the item goes; placed
    // symbols hold their own, so they keep their picture.
    std::vector<SymbolPicture*> categoryPictures[CATEGORY_COUNT];
    // Records of the category past the limit, which start-up left out; adding to the category
    // then waits for a shorter catalogue, so palette item k stays the k-th record.
    int32_t recordsLeftOut[CATEGORY_COUNT];
};

// Whether the category can take another symbol.
bool CategoryIsFull(const SymbolCatalog& catalog, int32_t category);

// The picture of item index of the category, made on first use from its image; null when there is
// no such item or the picture cannot be made.
SymbolPicture* CatalogPicture(SymbolCatalog& catalog, HDC dc, int32_t category, int32_t index);

struct CatalogLoad {
    DWORD error;             // 0, or the system's code when the catalogue can be neither opened nor created
    int32_t recordsLeftOut;  // usable records past CATEGORY_IMAGE_LIMIT, in all categories
};

// Reads Symbol.txt under root (creating it empty when missing) into the catalogue. Every usable
// record up to the limit of its category adds one image, its own picture or the placeholder (a
// bitmap resource of the module resources), so palette position k is always the k-th usable
// record of its category. The file is never changed. An empty root (no usable folder at start-up)
// reads nothing. The lists exist afterwards in every case.
CatalogLoad LoadCatalog(HINSTANCE resources, const char* root, SymbolCatalog& catalog);

// Frees the image lists, drops the pictures and forgets their items.
void ReleaseCatalog(SymbolCatalog& catalog);

// Appends the picture of root + relativePath to the category's list, or the placeholder when the
// file is missing, too large or not a bitmap that can be loaded safely, and counts it with its path.
void AddSymbolImage(HINSTANCE resources,
                    const char* root,
                    const std::string& relativePath,
                    SymbolCatalog& catalog,
                    int32_t category);

// Forgets item index of the category: its image, its picture, its path and its place in the count.
void RemoveSymbolImage(SymbolCatalog& catalog, int32_t category, int32_t index);

// File operations on the library. Each returns 0 on success, else the system error code.
DWORD ReadCatalogText(const char* root, std::string* text);
// Adds one record where the reader will find it: on a line of its own at the end, or before a
// Ctrl-Z that ends what is read. On failure the file is as it was.
DWORD AppendCatalogRecord(const char* root, int32_t category, const std::string& relativePath);
// Replaces the whole catalogue by a new file written beside it, so a failure at any point leaves
// the old catalogue whole. A read-only catalogue is refused (ERROR_ACCESS_DENIED).
DWORD ReplaceCatalogText(const char* root, const std::string& text);
