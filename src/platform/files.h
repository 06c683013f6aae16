// File operations that report the system's error code and never leave a half-written file.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/unique_handle.h"

struct FileTraits {
    using Handle = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static void Free(HANDLE file) { CloseHandle(file); }
};
// An open file, closed when its owner goes.
using FileHandle = UniqueHandle<FileTraits>;

// Each returns 0 or the system error code.
DWORD ReadAll(HANDLE file, std::string* bytes);
// A full disk can report success having written less: only the byte count tells.
DWORD WriteAll(HANDLE file, const void* bytes, size_t size);
inline DWORD WriteAll(HANDLE file, const std::string& bytes) {
    return WriteAll(file, bytes.data(), bytes.size());
}

bool IsReadOnly(const char* path);

// Removes a file; 0 or the system error code. A scanner or indexer often holds a file just written
// for a moment: removing, and replacing below, retry for about a second while the system reports
// access denied, a sharing or a lock violation.
DWORD RemoveFile(const char* path);

// Copies source to target, which must not exist yet (else ERROR_FILE_EXISTS). Writes go through
// the write seam of test_hooks.h; on any failure the partial target is removed. The copy has normal attributes.
DWORD CopyNewFile(const char* source, const char* target);

// Where replacing a file failed.
enum class ReplaceStage { DONE, CREATE, WRITE, REPLACE };
struct ReplaceResult {
    ReplaceStage stage;
    DWORD error;
};

// Writes a new file beside the target and puts it in the target's place only once every byte is
// written and flushed; on failure the temporary file is removed and the target is as it was.
// A read-only, hidden or system target, or one that another program holds open, is refused at
// CREATE (Wine's rename would replace some of them; Windows refuses). The temporary name is made
// here rather than by GetTempFileNameA, which fails in folders longer than 246 bytes.
ReplaceResult ReplaceFileContents(const std::string& target, const std::function<DWORD(HANDLE)>& write);
