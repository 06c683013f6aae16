// Saving the canvas as a 24-bit BMP picture. Shows nothing: the caller tells the user what failed.
#pragma once
#include <windows.h>

#include <cstdint>

// Where an export stopped.
enum class ExportStage {
    DONE,
    NO_PICTURE,  // there is no picture to save
    TOO_LARGE,   // the canvas does not fit the file format
    NO_MEMORY,   // the file's bytes could not be held in memory
    CREATE,      // the file cannot be made or replaced: read-only, hidden, in use, no such folder
    WRITE,       // writing failed part way, as on a full disk
    REPLACE,     // the complete new file could not take the old one's place
};

struct ExportStatus {
    ExportStage stage;
    DWORD error;  // the system's error code for CREATE, WRITE and REPLACE, else 0
};

// Writes the picture (width x height pixels, rows top to bottom, 0x00RRGGBB; drawn by GDI too, so
// GDI's queue is flushed first) to fileName. The file is first written beside the target and
// replaces it only when complete: on any failure an existing file keeps its bytes.
ExportStatus WriteCanvasBmp(const uint32_t* pixels, int32_t width, int32_t height, const char* fileName);
