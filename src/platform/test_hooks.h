// The system calls through which the program meets failures it cannot cause itself (a full disk, a
// file held by a scanner, the GDI quota, a shell without a browser) or behaviour only Windows has:
// one record, filled with the real functions, whose fields a test replaces for a while.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>

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
    // library's stretched pictures and reads the bitmap resources.
    HPEN(WINAPI* createPen)(int, int, COLORREF);
    HFONT(WINAPI* createFont)(const LOGFONTA*);
    HDC(WINAPI* createCompatibleDC)(HDC);
    HBITMAP(WINAPI* createDIBSection)(HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD);
    HBITMAP(WINAPI* createBitmap)(int, int, UINT, UINT, const void*);
    HANDLE(WINAPI* loadImage)(HINSTANCE, LPCSTR, UINT, int, int, UINT);
    HRGN(WINAPI* extCreateRegion)(const XFORM*, DWORD, const RGNDATA*);
    HIMAGELIST(WINAPI* imageListCreate)(int, int, UINT, int, int);
    HICON(WINAPI* imageListGetIcon)(HIMAGELIST, int, UINT);
    // A window's visible frame, without the invisible resize borders Windows 10/11 give a sizing
    // frame (the desktop window manager's extended frame bounds); false where it does not answer.
    BOOL(WINAPI* visibleFrame)(HWND, RECT*);
    // The screen's DPI comes from here (GetDeviceCaps): a test gives Wine's font at one DPI and
    // the program's pixels at another, as Japanese Windows' dialog font is at 100 %.
    int(WINAPI* deviceCaps)(HDC, int);
    // The window's input context (ImmAssociateContextEx): none keeps the IME away from it.
    BOOL(WINAPI* associateInputContext)(HWND, HIMC, DWORD);
};

extern SystemCalls systemCalls;
