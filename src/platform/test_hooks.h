// The program's only mutable globals outside its application state: seams through which tests make
// the system fail. The program reads them and never changes them.
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
