// The system calls through which the program meets failures it cannot cause itself (a full disk, a
// file held by a scanner, the GDI quota, a shell without a browser) or behaviour only Windows has:
// one record, filled with the real functions, whose fields a test replaces for a while.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

struct SystemCalls {
    // Every byte of the files the program writes, a finished file put in its place, a file removed.
    BOOL(WINAPI* writeFile)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
    BOOL(WINAPI* moveFile)(LPCSTR, LPCSTR, DWORD);
    BOOL(WINAPI* deleteFile)(LPCSTR);
    // The system's ANSI code page (GetACP).
    UINT(WINAPI* activeCodePage)();
    // Opening a web address (ShellExecuteA) and the save dialog (GetSaveFileNameA).
    HINSTANCE(WINAPI* shellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    BOOL(WINAPI* saveDialog)(LPOPENFILENAMEA);
    // Every GDI object, image list and icon the program makes; the bitmap loader makes the
    // library's stretched pictures.
    HPEN(WINAPI* createPen)(int, int, COLORREF);
    HFONT(WINAPI* createFont)(const LOGFONTA*);
    HDC(WINAPI* createCompatibleDC)(HDC);
    HBITMAP(WINAPI* createDIBSection)(HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD);
    HBITMAP(WINAPI* createBitmap)(int, int, UINT, UINT, const void*);
    HBITMAP(WINAPI* loadBitmap)(HINSTANCE, LPCSTR);
    HANDLE(WINAPI* loadImage)(HINSTANCE, LPCSTR, UINT, int, int, UINT);
    HRGN(WINAPI* extCreateRegion)(const XFORM*, DWORD, const RGNDATA*);
    HIMAGELIST(WINAPI* imageListCreate)(int, int, UINT, int, int);
    HICON(WINAPI* imageListGetIcon)(HIMAGELIST, int, UINT);
};

extern SystemCalls systemCalls;
