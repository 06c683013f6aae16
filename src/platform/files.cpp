#include "platform/files.h"

WriteFileFunction writeFileCall = WriteFile;

DWORD ReadAll(HANDLE file, std::string* bytes) {
    bytes->clear();
    char chunk[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr))
            return GetLastError();
        if (got == 0)
            return 0;
        bytes->append(chunk, got);
    }
}

DWORD WriteAll(HANDLE file, const void* bytes, size_t size) {
    const char* next = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : DWORD(size);
        DWORD written = 0;
        if (!writeFileCall(file, next, chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_DISK_FULL;
        next += written;
        size -= written;
    }
    return 0;
}

bool IsReadOnly(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

static std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return ".";
    return path.substr(0, slash == 2 && path[1] == ':' ? slash + 1 : slash);  // "C:\" keeps its backslash
}

ReplaceResult ReplaceFileContents(const std::string& target, const std::function<DWORD(HANDLE)>& write) {
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return {ReplaceStage::CREATE, ERROR_ACCESS_DENIED};
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(target).c_str(), "nxd", 0, temporary))
        return {ReplaceStage::CREATE, GetLastError()};
    FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ReplaceResult result = {ReplaceStage::DONE, 0};
    if (!file.ok())
        result = {ReplaceStage::CREATE, GetLastError()};
    else if (DWORD error = write(file.get()))
        result = {ReplaceStage::WRITE, error};
    else if (!FlushFileBuffers(file.get()))
        result = {ReplaceStage::WRITE, GetLastError()};
    file.Close();
    if (result.stage == ReplaceStage::DONE &&
        !MoveFileExA(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        result = {attributes == INVALID_FILE_ATTRIBUTES ? ReplaceStage::CREATE : ReplaceStage::REPLACE, GetLastError()};
    if (result.stage != ReplaceStage::DONE)
        DeleteFileA(temporary);
    return result;
}
