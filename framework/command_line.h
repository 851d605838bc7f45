#pragma once

#include "framework/afx_string.h"
#include "framework/mbcs.h"

// The arguments of a process command line as the framework hands them to the
// application: the program name removed (a name in double quotes may hold
// blanks and ends at its closing quote) and the bytes of code 1 to 32 that
// follow it skipped. Points into `commandLine`; null gives "".
const char* SkipProgramName(const char* commandLine);

// The file name of `path` without its folder and without its extension
// ("C:\Tools\VantoLite.exe" gives "VantoLite"). Folders end at a backslash,
// a slash or a drive colon; the extension starts at the last point of the
// file name. Scans by characters, so a trail byte that equals a backslash
// in a double-byte code page is not taken for one.
CString FileStemOf(const char* path, LeadByteTest isLead);
