// The symbol library in memory and its whole operations: loading it, adding a symbol, deleting
// one. Each operation does every step (files, catalogue, image list, items) in its order, undoes
// what it must when one fails, and returns one result for the window to show. Shows nothing.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/catalogue_format.h"
#include "library/library_pictures.h"
#include "platform/gdi_objects.h"
#include "render/symbol_image.h"

// One palette item: the catalogue record it came from, so that a delete removes a record only
// while it is still where the palette found it, and the picture placed symbols share.
struct LibraryItem {
    std::string relativePath;
    // Made when the item is first placed (null before), shared with the symbols placed from it,
    // which keep it when the item goes.
    std::shared_ptr<const SymbolPicture> picture;
};

// One category: its items in catalogue order, item k showing image k of its list.
struct LibraryCategory {
    OwnedImageList images;  // the library is the list's one owner: the palettes show it, never free it
    std::vector<LibraryItem> items;
    // Usable records past the limit, which loading left out; adding to the category then waits for
    // a shorter catalogue, so that item k stays the k-th record.
    int32_t recordsLeftOut;
};

struct SymbolLibrary {
    // The current directory at start-up, where Symbol.txt and the Symbol folder are; empty when
    // that folder cannot hold them (then there is no library).
    char root[MAX_PATH];
    LibraryCategory categories[CATEGORY_COUNT];
};

struct LibraryLoad {
    DWORD error;               // 0, or the system's code when the catalogue can be neither opened nor created
    int32_t recordsLeftOut;    // usable records past CATEGORY_IMAGE_LIMIT, in all categories
    int32_t unusableRecords;   // records the format cannot carry, skipped
    size_t firstUnusableLine;  // the first of them: its line in Symbol.txt, counted from 1, and why
    RecordFault firstUnusableFault;
};

// Reads Symbol.txt under the root (creating it empty when missing). Every usable record up to the
// limit of its category adds one item and one image, its own picture or the placeholder (a bitmap
// resource of the module resources). The file is never changed. Without a root nothing is read.
// The image lists exist afterwards in every case.
LibraryLoad LoadSymbolLibrary(HINSTANCE resources, SymbolLibrary& library);

// Frees the image lists, drops the pictures and forgets the items.
void ReleaseSymbolLibrary(SymbolLibrary& library);

// The picture of item index of the category, made on first use from its image; null when there is
// no such item or the picture cannot be made.
std::shared_ptr<const SymbolPicture> ItemPicture(SymbolLibrary& library, HDC dc, int32_t category, int32_t index);

enum class AddOutcome {
    ADDED,
    NO_LIBRARY,
    CATEGORY_FULL,  // at the limit, or with records left out
    NOT_PICTURE,    // the file is no picture the library can show: `picture` and `error` say why
    FILE_NAME,      // the catalogue could not carry the name
    PATH_TOO_LONG,  // the picture's path in the Symbol folder would not fit
    FILE_ERROR,     // copying the file or writing the catalogue failed: `error`
};
struct AddResult {
    AddOutcome outcome;
    PictureStatus picture;
    DWORD error;
};

// Copies the bitmap file `source` into the Symbol folder under its name, appends its record and
// adds its picture as the category's last item. Whatever is refused or fails leaves the library,
// in memory and on disk, as it was.
AddResult AddLibrarySymbol(HINSTANCE resources,
                           SymbolLibrary& library,
                           const char* source,
                           const std::string& fileName,
                           int32_t category);

enum class DeleteOutcome {
    DELETED,  // record and item gone; `imageFileError` tells whether its picture file stayed
    NO_LIBRARY,
    CATALOGUE_CHANGED,  // Symbol.txt no longer holds the item's record where the palette found it
    CATALOGUE_ERROR,    // reading or rewriting Symbol.txt failed: `error`
};
struct DeleteResult {
    DeleteOutcome outcome;
    DWORD error;
    DWORD imageFileError;
};

// Deletes item index of the category: its record from Symbol.txt first (when that fails nothing
// changes), then the item and its image, then its picture file unless another record still names it.
DeleteResult DeleteLibrarySymbol(SymbolLibrary& library, int32_t category, int32_t index);
