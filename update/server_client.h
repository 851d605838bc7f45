#pragma once

#include <windows.h>

#include "app/tool_catalogue.h"
#include "framework/afx_string.h"
#include "framework/scoped_handle.h"

// The first line of the tool's version file on the update server, without
// its line end: unchanged, untrimmed, of any length. Empty for an index
// outside 0 to 3 (nothing is fetched then), when the download fails, and
// when the file or its first line is empty. The local copy is deleted
// before the call returns.
CString DownloadServerVersion(ToolIndex index);

// Fetches `fileName` from the update server into the download folder under
// the same name and returns its local path; empty when the download failed.
// The file stays; it belongs to the caller. With `hold`, the file is also
// left open in it so that no other process can change it (see
// DownloadUrlToFile).
CString DownloadToTempFolder(const CString& fileName, CScopedHandle* hold = nullptr);

// The drive and folder of the running executable, ending with a backslash;
// empty when the system cannot name it whole.
CString GetModuleFolder();

typedef DWORD(WINAPI* TempPathQuery)(DWORD length, LPSTR buffer);

// Where downloads go: the system's temporary folder, or the executable's
// folder when the system names no temporary folder (or one too long for a
// path). Empty when neither can be named.
CString DownloadFolder(TempPathQuery queryTempPath = GetTempPathA);

// DownloadToTempFolder into a given folder (ending with a backslash).
CString DownloadToFolder(const CString& fileName, const CString& folder,
                         CScopedHandle* hold = nullptr);
