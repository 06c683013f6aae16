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

// The bytes of a sound bitmap file, read once so that the picture is made from the very bytes that
// were checked; empty when the file cannot be read or is not sound.
static std::string ReadSymbolFile(const char* fullPath, DWORD* openError) {
    FileHandle file(
        CreateFileA(fullPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (openError)
        *openError = file.ok() ? 0 : GetLastError();
    std::string bytes;
    if (!file.ok() || ReadAll(file.get(), &bytes) != 0 ||
        CheckBitmapFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) != BitmapCheck::OK)
        bytes.clear();
    return bytes;
}

static const uint8_t* BytesOf(const std::string& bytes) {
    return reinterpret_cast<const uint8_t*>(bytes.data());
}

HBITMAP LoadSymbolBitmap(const char* fullPath, DWORD* openError) {
    const std::string bytes = ReadSymbolFile(fullPath, openError);
    if (bytes.empty())
        return nullptr;
    return NewBitmapFromFileBytes(BytesOf(bytes), bytes.size(), SYMBOL_SIZE, SYMBOL_SIZE);
}

// Adds pictures to a list side by side in one strip (the placeholder for an unusable file): an
// image list takes many images at once far faster than one at a time.
static void AddImageStrip(HINSTANCE resources, const std::vector<std::string>& files, HIMAGELIST list) {
    WindowDC screen(nullptr);
    OwnedMemoryDC memory(screen.get());
    OwnedGdiObject strip(NewCompatibleBitmap(screen.get(), SYMBOL_SIZE * int(files.size()), SYMBOL_SIZE));
    OwnedGdiObject placeholder(NewBitmapFromResource(resources, IDB_MISSING_SYMBOL, SYMBOL_SIZE, SYMBOL_SIZE));
    OwnedMemoryDC placeholderDC(screen.get());
    if (!memory || !strip || !placeholderDC)
        return;
    {
        SelectedObject selected(memory.get(), strip.get());
        SelectedObject placeholderSelected(placeholderDC.get(), placeholder.get());
        for (size_t i = 0; i < files.size(); ++i) {
            const int x = SYMBOL_SIZE * int(i);
            if (files[i].empty() ||
                !DrawBitmapFileBytes(memory.get(), x, SYMBOL_SIZE, SYMBOL_SIZE, BytesOf(files[i]), files[i].size()))
                BitBlt(memory.get(), x, 0, SYMBOL_SIZE, SYMBOL_SIZE, placeholderDC.get(), 0, 0, SRCCOPY);
        }
    }
    ImageList_AddMasked(list, static_cast<HBITMAP>(strip.get()), MASK_COLOUR);
}

// A category's pictures in catalogue order: runs of ordinary pictures in strips, each black and
// white file on its own, as the list masks those by their bits.
static void AddCategoryImages(HINSTANCE resources,
                              const char* root,
                              const std::vector<const CatalogRecord*>& records,
                              SymbolCatalog& catalog,
                              int32_t category) {
    HIMAGELIST list = catalog.categoryImageList[category].get();
    std::vector<std::string> run;
    for (const CatalogRecord* record : records) {
        std::string bytes = ReadSymbolFile((std::string(root) + record->relativePath).c_str(), nullptr);
        if (!bytes.empty() && IsBlackAndWhiteBitmapFile(BytesOf(bytes), bytes.size())) {
            if (!run.empty())
                AddImageStrip(resources, run, list);
            run.clear();
            OwnedGdiObject bitmap(NewBitmapFromFileBytes(BytesOf(bytes), bytes.size(), SYMBOL_SIZE, SYMBOL_SIZE));
            if (bitmap)
                ImageList_AddMasked(list, static_cast<HBITMAP>(bitmap.get()), MASK_COLOUR);
        } else {
            run.push_back(std::move(bytes));
        }
        ++catalog.categoryCount[category];
        catalog.categoryPaths[category].push_back(record->relativePath);
        catalog.categoryPictures[category].push_back(nullptr);
    }
    if (!run.empty())
        AddImageStrip(resources, run, list);
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
    std::vector<const CatalogRecord*> categoryRecords[CATEGORY_COUNT];
    for (const CatalogRecord& record : records) {
        if (record.usable)
            categoryRecords[record.category].push_back(&record);
    }
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category) {
        if (categoryRecords[category].empty())
            continue;
        // Made at its final size at once rather than grown a few images at a time.
        catalog.categoryImageList[category].Reset(NewCategoryImageList(int32_t(categoryRecords[category].size())));
        AddCategoryImages(resources, root, categoryRecords[category], catalog, category);
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
