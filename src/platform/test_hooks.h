// The program's only mutable globals outside its application state: seams through which tests make
// the system fail, and the counts through which tests and the benchmark see what the program holds.
#pragma once
#include <windows.h>
#include <commdlg.h>

// The call that writes every byte of the files the program writes (WriteFile). A test puts in one
// that fails or writes less, as a full disk does.
using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
extern WriteFileFunction writeFileCall;

// The calls that put a finished file in its target's place (MoveFileExA) and remove files the
// program made or was asked to remove (DeleteFileA). A test puts in ones that fail as a file held
// for a moment by a virus scanner does.
using MoveFileFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
extern MoveFileFunction moveFileCall;
using DeleteFileFunction = BOOL(WINAPI*)(LPCSTR);
extern DeleteFileFunction deleteFileCall;

// The system's ANSI code page (GetACP): a test makes the program start as under another locale.
using CodePageFunction = UINT(WINAPI*)();
extern CodePageFunction activeCodePageCall;

// Opens a web address with the platform's handler (ShellExecuteA): a test makes it fail.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
extern ShellExecuteFunction shellExecuteCall;

// The save dialog (GetSaveFileNameA): a test answers it as Windows does a name longer than a path,
// which Wine's dialog cannot take without overrunning a buffer of its own.
using SaveDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);
extern SaveDialogFunction saveDialogCall;

// How many more GDI objects may be made before every creation fails, as when the system's quota is
// reached; negative (the default) means no limit. Lets tests reach the limit without making 10,000
// objects. Creations decrement it.
extern long gdiCreationBudget;

// The largest bitmap, in pixels, that can be made; negative (the default) means no limit. Windows
// makes bitmaps from a limited kernel pool, so a wide one fails long before a small one does.
extern long gdiLargestBitmap;

// The system's bitmap file loader (LoadImageA), through which stretched library pictures are
// made: a test puts in one whose pictures it can tell from any the program would make itself.
using LoadImageFunction = HANDLE(WINAPI*)(HINSTANCE, LPCSTR, UINT, int, int, UINT);
extern LoadImageFunction loadImageCall;

// GDI objects the program has made and not yet released, by kind. Wine neither reports a process's
// GDI objects nor enforces the Windows quota, so the program keeps this count itself; read it
// through LiveGdiObjects (platform/gdi_objects.h).
enum GdiKind { GDI_PEN, GDI_BITMAP, GDI_MEMORY_DC, GDI_IMAGE_LIST, GDI_ICON, GDI_REGION, GDI_KIND_COUNT };
extern long liveGdiObjects[GDI_KIND_COUNT];

// Symbol pictures made and not yet released: one per library image in use, whatever the number
// of symbols placed from it.
extern long liveSymbolPictures;
