// Byte strings in code page 932, as the ANSI file APIs take them. Needs no window.
#pragma once
#include <string>

// A byte that starts a two-byte character, and a byte that may follow it. The second byte can be
// 0x5C, the backslash (ソ is 0x83 0x5C, 表 0x95 0x5C): only walking from the start tells them apart.
bool IsLeadByte(unsigned char ch);
bool IsTrailByte(unsigned char ch);

// The folder part of a path: everything before its last separator ('\' or '/' that is not the
// second byte of a character); "C:\" keeps its backslash; "." when the path names no folder.
std::string FolderOfPath(const std::string& path);
