// What the user reads when a file operation fails. Needs no window.
#pragma once
#include <cstdint>

// Which operation failed, named in the message for codes without a fixed text.
enum class FileOperation {
    FILE_ACCESS,
    OPEN_CATALOGUE,
    ADD_SYMBOL,
    DELETE_SYMBOL,
    REMOVE_IMAGE_FILE,
    EXPORT,
    OPEN_WEB_ADDRESS,
};

// The fixed text users know for a system error code of the operation, or null for other codes and
// for an operation that needs its own explanation.
const char* FixedFileErrorText(uint32_t code, FileOperation operation);

// The first line of the message for a code without a fixed text, and of a refusal.
const char* FailedOperationText(FileOperation operation);
