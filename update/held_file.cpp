#include "update/held_file.h"

#include <string.h>

bool HoldUnchangedFile(const CString& path, const BYTE (&digest)[kSha256Size],
                       CScopedHandle& hold) {
  CScopedHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return false;

  CSha256 sha256;
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return false;
    if (read == 0) break;
    if (!sha256.Add(buffer, read)) return false;
  }
  BYTE opened[kSha256Size];
  if (!sha256.Finish(opened) || memcmp(opened, digest, kSha256Size) != 0) return false;

  LARGE_INTEGER start = {};
  SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN);
  hold.Reset(file.Get());
  file.Release();
  return true;
}
