// The program's only mutable globals outside its application state: seams through which tests make
// the system fail, and the counts through which tests and the benchmark see what the program holds.
#pragma once
#include <windows.h>

// The call that writes every byte of the files the program writes (WriteFile). A test puts in one
// that fails or writes less, as a full disk does.
using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
extern WriteFileFunction writeFileCall;

// How many more GDI objects may be made before every creation fails, as when the system's quota is
// reached; negative (the default) means no limit. Lets tests reach the limit without making 10,000
// objects. Creations decrement it.
extern long gdiCreationBudget;

// GDI objects the program has made and not yet released, by kind. Wine neither reports a process's
// GDI objects nor enforces the Windows quota, so the program keeps this count itself; read it
// through LiveGdiObjects (platform/gdi_objects.h).
enum GdiKind { GDI_PEN, GDI_BITMAP, GDI_MEMORY_DC, GDI_IMAGE_LIST, GDI_ICON, GDI_REGION, GDI_KIND_COUNT };
extern long liveGdiObjects[GDI_KIND_COUNT];

// Symbol pictures made and not yet released: one per library image in use, whatever the number
// of symbols placed from it.
extern long liveSymbolPictures;
