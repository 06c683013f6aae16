#include "library/catalog.h"

#include <cstring>

#include "platform/files.h"
#include "platform/gdi_objects.h"
#include "render/symbol_image.h"
#include "resources/resource.h"
#include "core/bitmap_check.h"

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
    }
}

HBITMAP LoadSymbolBitmap(const char* fullPath, DWORD* openError) {
    // One read: the picture is made from the very bytes that were checked.
    FileHandle file(
        CreateFileA(fullPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (openError)
        *openError = file.ok() ? 0 : GetLastError();
    if (!file.ok())
        return nullptr;
    std::string bytes;
    if (ReadAll(file.get(), &bytes) != 0 || bytes.empty())
        return nullptr;
    const uint8_t* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (CheckBitmapFile(data, bytes.size()) != BitmapCheck::OK)
        return nullptr;
    return NewBitmapFromFileBytes(data, bytes.size(), SYMBOL_SIZE, SYMBOL_SIZE);
}

void AddSymbolImage(HINSTANCE resources,
                    const char* root,
                    const std::string& relativePath,
                    SymbolCatalog& catalog,
                    int32_t category) {
    HIMAGELIST list = catalog.categoryImageList[category].get();
    const std::string fullPath = std::string(root) + relativePath;
    HBITMAP bitmap = LoadSymbolBitmap(fullPath.c_str(), nullptr);
    if (!bitmap)
        bitmap = NewBitmapFromResource(resources, IDB_MISSING_SYMBOL, SYMBOL_SIZE, SYMBOL_SIZE);
    if (bitmap && list)
        ImageList_AddMasked(list, bitmap, MASK_COLOUR);
    FreeGdiObject(bitmap);  // the image list keeps its own copy
    ++catalog.categoryCount[category];
    catalog.categoryPaths[category].push_back(relativePath);
    catalog.categoryPictures[category].push_back(nullptr);
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

DWORD LoadCatalog(HINSTANCE resources, const char* root, SymbolCatalog& catalog) {
    ReleaseCatalog(catalog);
    // The lists exist even without a readable catalogue, so that symbols added later get pictures.
    for (OwnedImageList& list : catalog.categoryImageList)
        list.Reset(NewCategoryImageList(0));
    if (!root[0])
        return 0;

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
        return error;
    const std::vector<CatalogRecord> records = ParseCatalog(text.data(), text.size(), strlen(root));
    // Each list is made at its final size at once rather than grown a few images at a time.
    int32_t counts[CATEGORY_COUNT] = {};
    for (const CatalogRecord& record : records) {
        if (record.usable)
            ++counts[record.category];
    }
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        if (counts[category] > 0)
            catalog.categoryImageList[category].Reset(NewCategoryImageList(counts[category]));
    }
    for (const CatalogRecord& record : records) {
        if (record.usable)
            AddSymbolImage(resources, root, record.relativePath, catalog, record.category);
    }
    return 0;
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
    LARGE_INTEGER end;
    end.QuadPart = LONGLONG(existing.size());
    if (!SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN))
        return GetLastError();
    error = WriteAll(file.get(), CatalogAppendText(existing, category, relativePath));
    if (!error && !FlushFileBuffers(file.get()))
        error = GetLastError();
    if (error) {
        // Cut off whatever part of the line did get written.
        SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN);
        SetEndOfFile(file.get());
    }
    return error;
}

DWORD ReplaceCatalogText(const char* root, const std::string& text) {
    return ReplaceFileContents(CatalogPath(root), [&](HANDLE file) { return WriteAll(file, text); }).error;
}
