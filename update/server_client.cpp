#include "update/server_client.h"

#include <stdlib.h>
#include <time.h>

#include "framework/ansi_code_page.h"
#include "framework/path_text.h"
#include "framework/stdio_file.h"
#include "update/https_download.h"
#include "update/update_files.h"

CString GetModuleFolder() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), path, MAX_PATH);
  // A path cut at the buffer's end would name another folder.
  if (length == 0 || length >= MAX_PATH) return CString();
  return DriveAndFolderOf(path, AnsiLeadByte);
}

CString DownloadFolder(TempPathQuery queryTempPath) {
  char folder[MAX_PATH + 1] = {};
  DWORD length = queryTempPath(MAX_PATH, folder);
  // 0: no temporary folder; MAX_PATH or more: the length the folder would
  // need, with nothing stored.
  if (length == 0 || length >= MAX_PATH) return GetModuleFolder();
  return CString(folder, length);
}

CString DownloadServerVersion(ToolIndex index) {
  const char* fileName = ToolVersionFileName(index);
  if (*fileName == '\0') return CString();
  CString url = UpdateFileUrl(fileName);

  srand(static_cast<unsigned>(time(nullptr)));
  int number = rand() % 1000;
  CString folder = DownloadFolder();
  if (folder.IsEmpty()) return CString();
  CString localPath = folder + VersionTempFileName(number);

  if (!DownloadUrlToFile(url, localPath)) return CString();

  CString line;
  {
    CStdioFile file;
    if (file.Open(localPath)) file.ReadString(line);
  }
  DeleteFileA(localPath);
  return line;
}

CString DownloadToFolder(const CString& fileName, const CString& folder,
                         CScopedHandle* hold) {
  if (folder.IsEmpty()) return CString();
  CString localPath = folder + fileName;
  if (!DownloadUrlToFile(UpdateFileUrl(fileName), localPath, hold)) return CString();
  return localPath;
}

CString DownloadToTempFolder(const CString& fileName, CScopedHandle* hold) {
  return DownloadToFolder(fileName, DownloadFolder(), hold);
}
