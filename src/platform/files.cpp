#include "platform/files.h"

#include <cstdio>

#include "core/path_text.h"
#include "platform/test_hooks.h"

DWORD ReadAll(HANDLE file, std::string* bytes) {
    bytes->clear();
    // Reads sized by the file's length take a whole file at once, and one that comes back short has
    // met the end; the loop still follows a file that grows meanwhile.
    LARGE_INTEGER length = {};
    const bool known = GetFileSizeEx(file, &length) && length.QuadPart >= 0 && length.QuadPart < 0x40000000;
    const size_t chunk = known ? size_t(length.QuadPart) + 1 : 4096;
    for (;;) {
        const size_t held = bytes->size();
        bytes->resize(held + chunk);
        DWORD got = 0;
        const BOOL read = ReadFile(file, &(*bytes)[held], DWORD(chunk), &got, nullptr);
        bytes->resize(held + got);
        if (!read)
            return GetLastError();
        if (got == 0 || (known && got < chunk))
            return 0;
    }
}

DWORD WriteAll(HANDLE file, const void* bytes, size_t size) {
    const char* next = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : DWORD(size);
        DWORD written = 0;
        if (!systemCalls.writeFile(file, next, chunk, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_DISK_FULL;
        next += written;
        size -= written;
    }
    return 0;
}

constexpr DWORD LOCK_PATIENCE_MS = 1000;
constexpr DWORD LOCK_RETRY_MS = 50;

static bool IsBriefLock(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Repeats the attempt (0 or an error code) while it meets a lock, for about a second at most.
template <class Attempt>
static DWORD RetryWhileLocked(Attempt attempt) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD error = attempt();
        if (!IsBriefLock(error) || GetTickCount() - start >= LOCK_PATIENCE_MS)
            return error;
        Sleep(LOCK_RETRY_MS);
    }
}

DWORD RemoveFile(const char* path) {
    return RetryWhileLocked([&] { return systemCalls.deleteFile(path) ? 0 : GetLastError(); });
}

bool IsReadOnly(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

DWORD CopyNewFile(const char* source, const char* target) {
    FileHandle from(
        CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!from)
        return GetLastError();
    FileHandle to(CreateFileA(target, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!to)
        return GetLastError();
    DWORD error = 0;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(from.get(), chunk, sizeof chunk, &got, nullptr)) {
            error = GetLastError();
            break;
        }
        if (got == 0) {
            if (!FlushFileBuffers(to.get()))
                error = GetLastError();
            break;
        }
        if ((error = WriteAll(to.get(), chunk, got)) != 0)
            break;
    }
    to.Reset();
    // The target did not exist before: a partial copy would only block the next try.
    if (error)
        RemoveFile(target);
    return error;
}

// Attributes with which the system refuses to create a file over an existing one.
constexpr DWORD UNREPLACEABLE =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// A new, empty file beside the target, named so that its path is no longer than the target's
// folder allows; a name that is taken is skipped.
static DWORD CreateTemporaryBeside(const std::string& target, std::string* temporary, HANDLE* handle) {
    // Only a drive root ends in its separator; any other last byte 0x5C belongs to a character.
    std::string folder = FolderOfPath(target);
    if (folder == ".")
        folder.clear();
    else if (!(folder.size() == 3 && folder[1] == ':'))
        folder += '\\';
    const size_t room = folder.size() < MAX_PATH - 1 ? MAX_PATH - 1 - folder.size() : 0;
    DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt, ++seed) {
        char digits[9];
        snprintf(digits, sizeof digits, "%08lx", static_cast<unsigned long>(seed));
        std::string name = std::string("~nxd") + digits + ".tmp";
        if (name.size() > room)
            name = ("~" + std::string(digits)).substr(0, room);
        if (name.size() < 2)
            return ERROR_FILENAME_EXCED_RANGE;
        *temporary = folder + name;
        *handle =
            CreateFileA(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (*handle != INVALID_HANDLE_VALUE)
            return 0;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return error;
    }
    return ERROR_FILE_EXISTS;
}

ReplaceResult ReplaceFileContents(const std::string& target, const std::function<DWORD(HANDLE)>& write) {
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & UNREPLACEABLE)
            return {ReplaceStage::CREATE, ERROR_ACCESS_DENIED};
        // A file that another program holds open stays as it is; better to say so before writing.
        const DWORD error = RetryWhileLocked([&] {
            FileHandle existing(
                CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            return existing ? DWORD(0) : GetLastError();
        });
        if (error)
            return {ReplaceStage::CREATE, error};
    }
    std::string temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    if (DWORD error = CreateTemporaryBeside(target, &temporary, &created))
        return {ReplaceStage::CREATE, error};
    FileHandle file(created);
    ReplaceResult result = {ReplaceStage::DONE, 0};
    if (DWORD error = write(file.get()))
        result = {ReplaceStage::WRITE, error};
    else if (!FlushFileBuffers(file.get()))
        result = {ReplaceStage::WRITE, GetLastError()};
    file.Reset();
    if (result.stage == ReplaceStage::DONE) {
        // One atomic rename: the target is the old file or the new one, never missing or half-written.
        const DWORD error = RetryWhileLocked([&] {
            return systemCalls.moveFile(temporary.c_str(), target.c_str(),
                                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                       ? DWORD(0)
                       : GetLastError();
        });
        if (error)
            result = {attributes == INVALID_FILE_ATTRIBUTES ? ReplaceStage::CREATE : ReplaceStage::REPLACE, error};
    }
    if (result.stage != ReplaceStage::DONE)
        RemoveFile(temporary.c_str());
    return result;
}
