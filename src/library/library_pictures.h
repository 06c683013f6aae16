// Library pictures as the category image lists take them: each file read once, checked, made at
// symbol size, and with nothing but magenta transparent on any platform.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi_objects.h"

enum class PictureStatus {
    OK,
    CANNOT_OPEN,  // the system's error code says why
    NOT_BITMAP,   // not a bitmap file that can be read safely
    TOO_LARGE,    // larger than a symbol's picture could sensibly come from
    NOT_MADE,     // the system could not make the picture (memory, GDI objects)
};

struct LibraryPicture {
    PictureStatus status = PictureStatus::NOT_MADE;
    DWORD error = 0;  // the system's error code for CANNOT_OPEN
    // 50 x 50, rows top to bottom, 0x00RRGGBB. The fourth byte is always clear: image lists of
    // Windows' common controls 5.82 ignore it, Wine's take it for alpha.
    std::vector<uint32_t> pixels;
    // Instead of pixels: the loader's 1-bit bitmap of a black and white file, which an image list
    // masks by its bits, so it is added on its own.
    OwnedBitmap blackAndWhite;
};

// Reads pictures through one scratch bitmap. A file of exactly 50 x 50 is drawn from the bytes
// read; any other size is stretched by the system's own loader, whose stretch Windows does not
// document, while the file is held against writes so that the loader reads the bytes checked.
class PictureReader {
  public:
    PictureReader();
    PictureReader(const PictureReader&) = delete;
    PictureReader& operator=(const PictureReader&) = delete;
    LibraryPicture Read(const std::string& fullPath);

  private:
    OwnedBitmap scratch_;
    uint32_t* scratchPixels_ = nullptr;
};

// Pictures an image list takes side by side in one bitmap: many at once are far faster than one at
// a time, and a bitmap this size still comes easily from Windows' limited pool.
constexpr size_t PICTURES_PER_STRIP = 64;

// Adds the pictures to the list in order, one image each, the placeholder (a bitmap resource of
// `resources`) for each that is not OK, in strips; a strip the system will not make goes one
// picture at a time, then the placeholder. Whatever fails, the list grows by exactly one image per picture, so that
// palette item k always shows picture k.
void AddLibraryPictures(HINSTANCE resources, HIMAGELIST list, const std::vector<LibraryPicture>& pictures);
