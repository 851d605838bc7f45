#pragma once

#include "framework/afx_string.h"
#include "framework/mbcs.h"

// Pieces of a file path. Folders end at a backslash, a slash or a drive
// colon. The scans go by characters, so a trail byte that equals a backslash
// in a double-byte code page is never taken for one.

// The file name without its folder and its extension ("C:\Tools\VantoLite.exe"
// gives "VantoLite"); the extension starts at the last point of the name.
CString FileStemOf(const char* path, LeadByteTest isLead);

// The drive and folder of `path`, ending with its separator
// ("D:\Tools\Launcher\tool.exe" gives "D:\Tools\Launcher\"); "" when the
// path names no folder.
CString DriveAndFolderOf(const char* path, LeadByteTest isLead);
