#include "library/symbol_library.h"

#include <cstring>

#include "core/add_checks.h"
#include "core/delete_plan.h"
#include "library/symbol_files.h"
#include "platform/gdi_objects.h"

std::shared_ptr<const SymbolPicture> ItemPicture(SymbolLibrary& library, HDC dc, int32_t category, int32_t index) {
    if (category < 0 || category >= CATEGORY_COUNT)
        return nullptr;
    LibraryCategory& shelf = library.categories[category];
    if (index < 0 || size_t(index) >= shelf.items.size())
        return nullptr;
    std::shared_ptr<const SymbolPicture>& picture = shelf.items[size_t(index)].picture;
    if (!picture)
        picture = MakeSymbolPicture(dc, shelf.images.get(), index);
    return picture;
}

static HIMAGELIST NewCategoryImageList(int32_t initial) {
    return NewImageList(SYMBOL_SIZE, SYMBOL_SIZE, ILC_COLOR32 | ILC_MASK, initial, 4);
}

void ReleaseSymbolLibrary(SymbolLibrary& library) {
    for (LibraryCategory& category : library.categories) {
        category.images.Reset();
        category.items.clear();
        category.recordsLeftOut = 0;
    }
}

// Whether the category can take another symbol.
static bool CategoryIsFull(const SymbolLibrary& library, int32_t category) {
    const LibraryCategory& shelf = library.categories[category];
    return shelf.items.size() >= size_t(CATEGORY_IMAGE_LIMIT) || shelf.recordsLeftOut > 0;
}

// A category's pictures in catalogue order, read and added a strip at a time, so that a large
// catalogue never holds more than one strip of pictures in memory.
static void AddCategoryItems(HINSTANCE resources,
                             const char* root,
                             const std::vector<const CatalogueRecord*>& records,
                             LibraryCategory& category) {
    PictureReader reader;
    for (size_t first = 0; first < records.size(); first += PICTURES_PER_STRIP) {
        std::vector<LibraryPicture> pictures;
        for (size_t i = first; i < records.size() && i < first + PICTURES_PER_STRIP; ++i) {
            pictures.push_back(reader.Read(root + records[i]->relativePath));
            category.items.push_back({records[i]->relativePath, nullptr});
        }
        AddLibraryPictures(resources, category.images.get(), pictures);
    }
}

LibraryLoad LoadSymbolLibrary(HINSTANCE resources, SymbolLibrary& library) {
    ReleaseSymbolLibrary(library);
    // The lists exist even without a readable catalogue, so that symbols added later get pictures.
    for (LibraryCategory& category : library.categories)
        category.images.Reset(NewCategoryImageList(0));
    const char* root = library.root;
    LibraryLoad load = {};
    if (!root[0])
        return load;

    // A missing catalogue is created empty. A read-only one still loads: only adding and deleting
    // need to write it, and they say so when they cannot.
    std::string text;
    DWORD error = ReadCatalogueText(root, &text);
    if (error == ERROR_FILE_NOT_FOUND)
        error = CreateEmptyCatalogue(root);
    load.error = error;
    if (error)
        return load;
    const std::vector<CatalogueRecord> records = ParseCatalogue(text.data(), text.size(), strlen(root));
    std::vector<const CatalogueRecord*> categoryRecords[CATEGORY_COUNT];
    for (const CatalogueRecord& record : records) {
        if (!record.Usable()) {
            if (load.unusableRecords++ == 0) {
                load.firstUnusableLine = LineAtOffset(text.data(), record.start);
                load.firstUnusableFault = record.fault;
            }
        } else if (categoryRecords[record.category].size() < size_t(CATEGORY_IMAGE_LIMIT)) {
            categoryRecords[record.category].push_back(&record);
        } else {
            ++library.categories[record.category].recordsLeftOut;
            ++load.recordsLeftOut;
        }
    }
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        if (categoryRecords[category].empty())
            continue;
        LibraryCategory& shelf = library.categories[category];
        // Made at its final size at once rather than grown a few images at a time.
        shelf.images.Reset(NewCategoryImageList(int32_t(categoryRecords[category].size())));
        AddCategoryItems(resources, root, categoryRecords[category], shelf);
    }
    return load;
}

AddResult AddLibrarySymbol(HINSTANCE resources,
                           SymbolLibrary& library,
                           const char* source,
                           const std::string& fileName,
                           int32_t category) {
    const char* root = library.root;
    if (!root[0])
        return {AddOutcome::NO_LIBRARY, PictureStatus::OK, 0};
    if (CategoryIsFull(library, category))
        return {AddOutcome::CATEGORY_FULL, PictureStatus::OK, 0};
    PictureReader reader;
    const LibraryPicture chosen = reader.Read(source);
    if (chosen.status != PictureStatus::OK)
        return {AddOutcome::NOT_PICTURE, chosen.status, chosen.error};
    switch (CheckNewSymbolName(fileName, strlen(root))) {
        case AddRefusal::FILE_NAME:
            return {AddOutcome::FILE_NAME, PictureStatus::OK, 0};
        case AddRefusal::PATH_TOO_LONG:
            return {AddOutcome::PATH_TOO_LONG, PictureStatus::OK, 0};
        case AddRefusal::NONE:
            break;
    }
    const std::string relativePath = NewSymbolPath(fileName);
    if (const DWORD error = AddSymbolFile(root, source, category, relativePath))
        return {AddOutcome::FILE_ERROR, PictureStatus::OK, error};
    // The library's own copy, as the next start will read it.
    std::vector<LibraryPicture> picture;
    picture.push_back(reader.Read(root + relativePath));
    LibraryCategory& shelf = library.categories[category];
    AddLibraryPictures(resources, shelf.images.get(), picture);
    shelf.items.push_back({relativePath, nullptr});
    return {AddOutcome::ADDED, PictureStatus::OK, 0};
}

DeleteResult DeleteLibrarySymbol(SymbolLibrary& library, int32_t category, int32_t index) {
    const char* root = library.root;
    if (!root[0])
        return {DeleteOutcome::NO_LIBRARY, 0, 0};
    LibraryCategory& shelf = library.categories[category];
    if (index < 0 || size_t(index) >= shelf.items.size())
        return {DeleteOutcome::CATALOGUE_CHANGED, 0, 0};
    std::string text;
    if (const DWORD error = ReadCatalogueText(root, &text))
        return {DeleteOutcome::CATALOGUE_ERROR, error, 0};
    const DeletePlan plan =
        PlanSymbolDelete(text, strlen(root), category, index, shelf.items[size_t(index)].relativePath);
    if (!plan.matches)
        return {DeleteOutcome::CATALOGUE_CHANGED, 0, 0};
    if (const DWORD error = ReplaceCatalogueText(root, plan.remainingText))
        return {DeleteOutcome::CATALOGUE_ERROR, error, 0};

    ImageList_Remove(shelf.images.get(), index);
    shelf.items.erase(shelf.items.begin() + index);
    // The record is gone either way; a file left behind would block adding its name again.
    return {DeleteOutcome::DELETED, 0, RemoveRecordPictureFile(root, plan)};
}
