#include "framework/path_text.h"

#include <string.h>

namespace {

// Length of the drive and folder part: up to and with the last separator.
size_t FolderLength(const char* path, size_t length, LeadByteTest isLead) {
  size_t folderLength = 0;
  for (size_t at = 0; at < length;) {
    size_t step = CharLength(path + at, length - at, isLead);
    if (step == 1 && (path[at] == '\\' || path[at] == '/' || path[at] == ':')) {
      folderLength = at + 1;
    }
    at += step;
  }
  return folderLength;
}

}  // namespace

CString FileStemOf(const char* path, LeadByteTest isLead) {
  if (!path) return CString();
  size_t length = strlen(path);
  size_t nameStart = FolderLength(path, length, isLead);
  size_t nameEnd = length;
  for (size_t at = nameStart; at < length;) {
    size_t step = CharLength(path + at, length - at, isLead);
    if (step == 1 && path[at] == '.') nameEnd = at;
    at += step;
  }
  return CString(path + nameStart, nameEnd - nameStart);
}

CString DriveAndFolderOf(const char* path, LeadByteTest isLead) {
  if (!path) return CString();
  return CString(path, FolderLength(path, strlen(path), isLead));
}
