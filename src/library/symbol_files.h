// The library's files: the catalogue Symbol.txt and the pictures of the Symbol folder, as loading,
// adding and deleting symbols read and change them. Each operation returns 0 on success, else the
// system error code.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/delete_plan.h"

constexpr char CATALOGUE_NAME[] = "\\Symbol.txt";

// The whole catalogue.
DWORD ReadCatalogueText(const char* root, std::string* text);
// Creates an empty catalogue where there is none.
DWORD CreateEmptyCatalogue(const char* root);
// Adds one record where the reader will find it: on a line of its own at the end, or before a
// Ctrl-Z that ends what is read. On failure the file is as it was.
DWORD AppendCatalogueRecord(const char* root, int32_t category, const std::string& relativePath);
// Replaces the whole catalogue by a new file written beside it, so a failure at any point leaves
// the old catalogue whole. A read-only catalogue is refused (ERROR_ACCESS_DENIED).
DWORD ReplaceCatalogueText(const char* root, const std::string& text);

// Copies source into the Symbol folder under root (made when missing) as relativePath, then
// appends its record to Symbol.txt. On failure the library is as it was (a copy whose record
// could not be written is removed again).
DWORD AddSymbolFile(const char* root, const char* source, int32_t category, const std::string& relativePath);

// Removes the picture of a record that a delete took out of the catalogue, if the plan lets it go,
// the file the system resolves is directly in the Symbol folder, and no other record names that
// same file. 0 also when the file stays on purpose.
DWORD RemoveRecordPictureFile(const char* root, const DeletePlan& plan);
