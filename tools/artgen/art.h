// What the picture generator draws and writes. Output is byte-for-byte the same on every run: no
// clocks, no randomness.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "raster.h"

namespace art {

namespace fs = std::filesystem;

// Tool and cable buttons (30 x 30), the placeholder (50 x 50), the cursor and the icon.
Image straightButton();
Image crossButton();
Image serialButton();
Image consoleButton();
Image plainCableButton(Rgb c, const std::string& label);
Image selectButton();
Image deleteButton();
Image missingPicture();
Image deleteCursor();
Image programIcon(int size);

struct LibraryEntry {
    int category;
    const char* name;
    Image (*draw)();
};

// The default library in catalogue order.
const std::vector<LibraryEntry>& library();

void save(const fs::path& path, const std::vector<uint8_t>& bytes);
// Transparent pixels (alpha below half) become magenta, the library's mask colour.
void writeBmp(const fs::path& path, const Image& im);
// type 1: icon; type 2: cursor with its hot spot.
void writeIconFile(const fs::path& path, unsigned type, const std::vector<Image>& images, int hotX = 0, int hotY = 0);

}  // namespace art
