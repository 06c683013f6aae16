// What the user reads when a file operation fails. Needs no window.
#pragma once
#include <cstdint>

// Which operation failed, named in the message for codes without a fixed text.
enum class FileOperation { FILE_ACCESS, OPEN_CATALOG, ADD_SYMBOL, DELETE_SYMBOL, REMOVE_IMAGE_FILE, EXPORT };

// The fixed text the program has always shown for a system error code, or null for other codes.
const char* FixedFileErrorText(uint32_t code);

// The first line of the message for a code without a fixed text, and of a refusal.
const char* FailedOperationText(FileOperation operation);
