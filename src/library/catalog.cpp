#include "library/catalog.h"

#include <cstring>

#include "library/library_pictures.h"
#include "platform/files.h"
#include "platform/gdi_objects.h"
#include "render/symbol_image.h"

SymbolPicture* CatalogPicture(SymbolCatalog& catalog, HDC dc, int32_t category, int32_t index) {
    if (category < 0 || category >= CATEGORY_COUNT || index < 0 || index >= catalog.categoryCount[category])
        return nullptr;
    SymbolPicture*& picture = catalog.categoryPictures[category][size_t(index)];
    if (!picture)
        picture = MakeSymbolPicture(dc, catalog.categoryImageList[category].get(), index);
    return picture;
}

static std::string CatalogPath(const char* root) {
    return std::string(root) + CATALOG_NAME;
}

static HIMAGELIST NewCategoryImageList(int32_t initial) {
    return NewImageList(SYMBOL_SIZE, SYMBOL_SIZE, ILC_COLOR32 | ILC_MASK, initial, 4);
}

void ReleaseCatalog(SymbolCatalog& catalog) {
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        catalog.categoryImageList[category].Reset();
        catalog.categoryCount[category] = 0;
        catalog.categoryPaths[category].clear();
        for (SymbolPicture* picture : catalog.categoryPictures[category])
            ReleasePicture(picture);
        catalog.categoryPictures[category].clear();
        catalog.recordsLeftOut[category] = 0;
    }
}

// A palette item of the category, for the record of this path; its picture is made when first placed.
static void CountItem(SymbolCatalog& catalog, int32_t category, const std::string& relativePath) {
    ++catalog.categoryCount[category];
    catalog.categoryPaths[category].push_back(relativePath);
    catalog.categoryPictures[category].push_back(nullptr);
}

void AddSymbolImage(HINSTANCE resources,
                    const char* root,
                    const std::string& relativePath,
                    SymbolCatalog& catalog,
                    int32_t category) {
    PictureReader reader;
    std::vector<LibraryPicture> picture;
    picture.push_back(reader.Read(root + relativePath));
    AddLibraryPictures(resources, catalog.categoryImageList[category].get(), picture);
    CountItem(catalog, category, relativePath);
}

// A category's pictures in catalogue order, read and added a strip at a time, so that a large
// catalogue never holds more than one strip of pictures in memory.
static void AddCategoryImages(HINSTANCE resources,
                              const char* root,
                              const std::vector<const CatalogRecord*>& records,
                              SymbolCatalog& catalog,
                              int32_t category) {
    PictureReader reader;
    for (size_t first = 0; first < records.size(); first += PICTURES_PER_STRIP) {
        std::vector<LibraryPicture> pictures;
        for (size_t i = first; i < records.size() && i < first + PICTURES_PER_STRIP; ++i) {
            pictures.push_back(reader.Read(root + records[i]->relativePath));
            CountItem(catalog, category, records[i]->relativePath);
        }
        AddLibraryPictures(resources, catalog.categoryImageList[category].get(), pictures);
    }
}

void RemoveSymbolImage(SymbolCatalog& catalog, int32_t category, int32_t index) {
    ImageList_Remove(catalog.categoryImageList[category].get(), index);
    std::vector<std::string>& paths = catalog.categoryPaths[category];
    paths.erase(paths.begin() + index);
    std::vector<SymbolPicture*>& pictures = catalog.categoryPictures[category];
    ReleasePicture(pictures[size_t(index)]);
    pictures.erase(pictures.begin() + index);
    --catalog.categoryCount[category];
}

bool CategoryIsFull(const SymbolCatalog& catalog, int32_t category) {
    return catalog.categoryCount[category] >= CATEGORY_IMAGE_LIMIT || catalog.recordsLeftOut[category] > 0;
}

CatalogLoad LoadCatalog(HINSTANCE resources, const char* root, SymbolCatalog& catalog) {
    ReleaseCatalog(catalog);
    // The lists exist even without a readable catalogue, so that symbols added later get pictures.
    for (OwnedImageList& list : catalog.categoryImageList)
        list.Reset(NewCategoryImageList(0));
    if (!root[0])
        return {0, 0};

    // A missing catalogue is created empty. A read-only one still loads: only adding and deleting
    // need to write it, and they say so when they cannot.
    std::string text;
    DWORD error = ReadCatalogText(root, &text);
    if (error == ERROR_FILE_NOT_FOUND) {
        FileHandle created(CreateFileA(CatalogPath(root).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        error = created.ok() ? 0 : GetLastError();
    }
    if (error)
        return {error, 0};
    const std::vector<CatalogRecord> records = ParseCatalog(text.data(), text.size(), strlen(root));
    std::vector<const CatalogRecord*> categoryRecords[CATEGORY_COUNT];
    int32_t leftOut = 0;
    for (const CatalogRecord& record : records) {
        if (!record.usable)
            continue;
        if (categoryRecords[record.category].size() < size_t(CATEGORY_IMAGE_LIMIT)) {
            categoryRecords[record.category].push_back(&record);
        } else {
            ++catalog.recordsLeftOut[record.category];
            ++leftOut;
        }
    }
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        if (categoryRecords[category].empty())
            continue;
        // Made at its final size at once rather than grown a few images at a time.
        catalog.categoryImageList[category].Reset(NewCategoryImageList(int32_t(categoryRecords[category].size())));
        AddCategoryImages(resources, root, categoryRecords[category], catalog, category);
    }
    return {0, leftOut};
}

DWORD ReadCatalogText(const char* root, std::string* text) {
    FileHandle file(CreateFileA(CatalogPath(root).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok())
        return GetLastError();
    return ReadAll(file.get(), text);
}

DWORD AppendCatalogRecord(const char* root, int32_t category, const std::string& relativePath) {
    const std::string path = CatalogPath(root);
    if (IsReadOnly(path.c_str()))
        return ERROR_ACCESS_DENIED;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok())
        return GetLastError();
    std::string existing;
    DWORD error = ReadAll(file.get(), &existing);
    if (error)
        return error;
    const CatalogInsertion insertion = InsertCatalogRecord(existing, category, relativePath);
    LARGE_INTEGER at;
    at.QuadPart = LONGLONG(insertion.at);
    if (!SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN))
        return GetLastError();
    error = WriteAll(file.get(), insertion.text);
    if (!error && !FlushFileBuffers(file.get()))
        error = GetLastError();
    if (error) {
        // Cut off whatever part of the line got written and put back what followed (after a
        // Ctrl-Z): the file had room for it before.
        SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN);
        SetEndOfFile(file.get());
        WriteAll(file.get(), existing.substr(insertion.at));
    }
    return error;
}

DWORD ReplaceCatalogText(const char* root, const std::string& text) {
    return ReplaceFileContents(CatalogPath(root), [&](HANDLE file) { return WriteAll(file, text); }).error;
}
