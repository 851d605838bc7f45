#include "framework/command_line.h"

#include <string.h>

namespace {

bool IsBlankOrControl(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  return byte != 0 && byte <= 32;
}

}  // namespace

const char* SkipProgramName(const char* commandLine) {
  if (!commandLine) return "";
  const char* at = commandLine;
  if (*at == '"') {
    // A quoted name ends at its closing quote.
    ++at;
    while (*at != '\0' && *at != '"') ++at;
    if (*at == '"') ++at;
  } else {
    while (*at != '\0' && !IsBlankOrControl(*at)) ++at;
  }
  while (IsBlankOrControl(*at)) ++at;
  return at;
}

CString FileStemOf(const char* path, LeadByteTest isLead) {
  if (!path) return CString();
  size_t length = strlen(path);
  size_t nameStart = 0;
  for (size_t at = 0; at < length;) {
    size_t step = CharLength(path + at, length - at, isLead);
    if (step == 1 && (path[at] == '\\' || path[at] == '/' || path[at] == ':')) {
      nameStart = at + 1;
    }
    at += step;
  }
  size_t nameEnd = length;
  for (size_t at = nameStart; at < length;) {
    size_t step = CharLength(path + at, length - at, isLead);
    if (step == 1 && path[at] == '.') nameEnd = at;
    at += step;
  }
  return CString(path + nameStart, nameEnd - nameStart);
}
