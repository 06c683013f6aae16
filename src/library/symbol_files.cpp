#include "library/symbol_files.h"

#include <vector>

#include "core/catalogue_format.h"
#include "platform/files.h"

static std::string CataloguePath(const char* root) {
    return std::string(root) + CATALOGUE_NAME;
}

DWORD ReadCatalogueText(const char* root, std::string* text) {
    FileHandle file(CreateFileA(CataloguePath(root).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return GetLastError();
    return ReadAll(file.get(), text);
}

DWORD AppendCatalogueRecord(const char* root, int32_t category, const std::string& relativePath) {
    const std::string path = CataloguePath(root);
    if (IsReadOnly(path.c_str()))
        return ERROR_ACCESS_DENIED;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return GetLastError();
    std::string existing;
    DWORD error = ReadAll(file.get(), &existing);
    if (error)
        return error;
    const CatalogueInsertion insertion = InsertCatalogueRecord(existing, category, relativePath);
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

DWORD ReplaceCatalogueText(const char* root, const std::string& text) {
    return ReplaceFileContents(CataloguePath(root), [&](HANDLE file) { return WriteAll(file, text); }).error;
}

DWORD CreateEmptyCatalogue(const char* root) {
    FileHandle created(CreateFileA(CataloguePath(root).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    return created ? 0 : GetLastError();
}

DWORD AddSymbolFile(const char* root, const char* source, int32_t category, const std::string& relativePath) {
    const std::string target = root + relativePath;
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, FALSE};
    CreateDirectoryA((std::string(root) + SYMBOL_FOLDER).c_str(), &security);  // may exist already
    // A copy of our own rather than CopyFileA: a failed one removes what it wrote, and the copy
    // never takes a read-only source's attribute, so the library can remove it again.
    DWORD error = CopyNewFile(source, target.c_str());
    if (error)
        return error;
    error = AppendCatalogueRecord(root, category, relativePath);
    // Without its record the copy would only block adding the same file again.
    if (error)
        RemoveFile(target.c_str());
    return error;
}

// The path as the file system resolves it (dots, case and short names are left as given), or "".
static std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : std::string();
}

// The file a delete of the record may remove, or "": only one directly in the Symbol folder,
// judged again on the path the system makes of the catalogue's text.
static std::string DeletableFile(const char* root, const DeletePlan& plan) {
    if (!plan.fileMayGo)
        return {};
    const std::string folder = FullPath(std::string(root) + SYMBOL_FOLDER);
    const std::string file = FullPath(root + plan.relativePath);
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
    if (!file || !GetFileInformationByHandle(file.get(), &info))
        return false;
    *id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

static bool NamedByAnotherRecord(const char* root, const DeletePlan& plan, const FileId& file) {
    for (const std::string& path : plan.otherPaths) {
        FileId other;
        if (IdentifyFile(root + path, &other) && other == file)
            return true;
    }
    return false;
}

DWORD RemoveRecordPictureFile(const char* root, const DeletePlan& plan) {
    const std::string file = DeletableFile(root, plan);
    FileId id;
    if (file.empty() || !IdentifyFile(file, &id) || NamedByAnotherRecord(root, plan, id))
        return 0;
    return RemoveFile(file.c_str());
}
