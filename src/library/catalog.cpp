#include "library/catalog.h"

#include <cstring>

#include "windows/app_state.h"
#include "platform/files.h"
#include "platform/gdi_objects.h"
#include "render/symbol_image.h"
#include "resources/resource.h"
#include "core/bitmap_check.h"


HIMAGELIST CategoryImageList(int32_t category) {
    return category >= 0 && category < CATEGORY_COUNT ? appState.library.catalog.categoryImageList[category] : nullptr;
}

static std::string CatalogPath(const char* root) {
    return std::string(root) + CATALOG_NAME;
}

void ReleaseCategoryImageList(SymbolCatalog& catalog, int32_t category) {
    FreeImageList(catalog.categoryImageList[category]);
    catalog.categoryImageList[category] = nullptr;
    catalog.categoryCount[category] = 0;
    catalog.categoryPaths[category].clear();
}

void ReleaseCatalog(SymbolCatalog& catalog) {
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        ReleaseCategoryImageList(catalog, category);
}

HBITMAP LoadSymbolBitmap(const char* fullPath, DWORD* openError) {
    // Writers are kept out while the file is open, so the loader reads the bytes that were checked.
    FileHandle file(
        CreateFileA(fullPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (openError)
        *openError = file.ok() ? 0 : GetLastError();
    if (!file.ok())
        return nullptr;
    LARGE_INTEGER size = {};
    bool sound = false;
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 && uint64_t(size.QuadPart) <= SIZE_MAX) {
        HANDLE mapping = CreateFileMappingA(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (mapping) {
            const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
            if (view) {
                sound = CheckBitmapFile(static_cast<const uint8_t*>(view), size_t(size.QuadPart)) == BitmapCheck::OK;
                UnmapViewOfFile(view);
            }
            CloseHandle(mapping);
        }
    }
    return sound ? NewBitmapFromFile(fullPath, SYMBOL_SIZE, SYMBOL_SIZE) : nullptr;
}

void AddSymbolImage(const char* root, const std::string& relativePath, SymbolCatalog& catalog, int32_t category) {
    HIMAGELIST list = catalog.categoryImageList[category];
    const std::string fullPath = std::string(root) + relativePath;
    HBITMAP bitmap = LoadSymbolBitmap(fullPath.c_str(), nullptr);
    if (!bitmap)
        bitmap = NewBitmapFromResource(appState.instance, IDB_MISSING_SYMBOL, SYMBOL_SIZE, SYMBOL_SIZE);
    if (bitmap && list)
        ImageList_AddMasked(list, bitmap, MASK_COLOUR);
    FreeGdiObject(bitmap);  // the image list keeps its own copy
    ++catalog.categoryCount[category];
    catalog.categoryPaths[category].push_back(relativePath);
}

void LoadCatalog(HWND owner, const char* root, SymbolCatalog& catalog) {
    ReleaseCatalog(catalog);
    // The lists exist even without a readable catalogue, so that symbols added later get pictures.
    for (HIMAGELIST& list : catalog.categoryImageList)
        list = NewImageList(SYMBOL_SIZE, SYMBOL_SIZE, ILC_COLOR32 | ILC_MASK, 4, 0);
    if (!root[0]) {
        MessageBoxA(owner,
                    "プログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリ (Symbol.txt と Symbol "
                    "フォルダ) を使用できません。シンボルなしで続けます。\r\nシンボルを使うには、パスの短いフォルダから"
                    "起動し直してください。",
                    "エラー", MB_OK | MB_ICONERROR);
        return;
    }

    // A missing catalogue is created empty. A read-only one still loads: only adding and deleting
    // need to write it, and they say so when they cannot.
    std::string text;
    DWORD error = ReadCatalogText(root, &text);
    if (error == ERROR_FILE_NOT_FOUND) {
        FileHandle created(CreateFileA(CatalogPath(root).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        error = created.ok() ? 0 : GetLastError();
    }
    if (error) {
        ShowFileError(owner, error, FileOperation::OPEN_CATALOG);
        return;
    }
    for (const CatalogRecord& record : ParseCatalog(text.data(), text.size(), strlen(root))) {
        if (record.usable)
            AddSymbolImage(root, record.relativePath, catalog, record.category);
    }
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

struct FileErrorText {
    DWORD code;
    const char* text;
};

// Code 5 is "access denied"; its text is the one the program has always shown for it.
static const FileErrorText FILE_ERROR_TEXTS[] = {
    {ERROR_FILE_NOT_FOUND, "ファイル名が間違っています。"},
    {ERROR_PATH_NOT_FOUND, "存在しないディレクトリです。"},
    {ERROR_ACCESS_DENIED, "ファイル名が指定されていません。"},
    {ERROR_NOT_READY, "ドライブの準備ができていません。"},
    {ERROR_FILE_EXISTS, "同じ名前のファイルが既に存在しています。"},
    {ERROR_REQUEST_ABORTED, "ドライブのアクセスに失敗しました。"},
};

static const char* FailedOperationText(FileOperation operation) {
    switch (operation) {
        case FileOperation::OPEN_CATALOG:
            return "シンボル ファイル (Symbol.txt) を開けませんでした。";
        case FileOperation::ADD_SYMBOL:
            return "シンボルを追加できませんでした。";
        case FileOperation::DELETE_SYMBOL:
            return "シンボルを削除できませんでした。";
        case FileOperation::REMOVE_IMAGE_FILE:
            return "シンボルはパレットとシンボル ファイルから削除しましたが、Symbol フォルダの画像ファイルを削除できませんでした。";
        case FileOperation::EXPORT:
            return "ビットマップ ファイルを保存できませんでした。";
        case FileOperation::FILE_ACCESS:
            break;
    }
    return "ファイルの操作に失敗しました。";
}

std::string FileErrorMessage(DWORD code, FileOperation operation) {
    for (const FileErrorText& entry : FILE_ERROR_TEXTS) {
        if (entry.code == code)
            return entry.text;
    }
    std::string text = FailedOperationText(operation);
    char* reason = nullptr;
    if (FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&reason), 0, nullptr) &&
        reason) {
        std::string line = reason;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            text += "\r\n\r\n" + line;
    }
    if (reason)
        LocalFree(reason);
    return text + "\r\n(エラー コード: " + std::to_string(code) + ")";
}

void ShowFileError(HWND owner, DWORD code, FileOperation operation) {
    if (code != 0)
        MessageBoxA(owner, FileErrorMessage(code, operation).c_str(), "エラー", MB_OK | MB_ICONERROR);
}

bool RefuseWithoutLibrary(HWND owner, const char* root, FileOperation operation) {
    if (root[0])
        return false;
    const std::string text = std::string(FailedOperationText(operation)) +
                             "\r\n\r\nプログラムを起動したフォルダのパスが長すぎるため、シンボル ライブラリを使用できません。";
    MessageBoxA(owner, text.c_str(), "エラー", MB_OK | MB_ICONERROR);
    return true;
}
