// The picture files of the library's Symbol folder, as adding and deleting symbols change them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/delete_plan.h"

// Copies source into the Symbol folder under root (made when missing) as relativePath, then
// appends its record to Symbol.txt. Returns 0, or the system error code of the step that failed;
// then the library is as it was (a copy whose record could not be written is removed again).
DWORD AddSymbolFile(const char* root, const char* source, int32_t category, const std::string& relativePath);

// Removes the picture of a record that a delete took out of the catalogue, if the plan lets it go,
// the file the system resolves is directly in the Symbol folder, and no other record names that
// same file. Returns 0 when the file is gone or stays on purpose, else the system error code.
DWORD RemoveSymbolImageFile(const char* root, const DeletePlan& plan);
