#include "framework/mbcs.h"

#include <string.h>

size_t CharLength(const char* text, size_t remaining, LeadByteTest isLead) {
  if (remaining >= 2 && isLead(static_cast<unsigned char>(text[0])) &&
      text[1] != '\0') {
    return 2;
  }
  return 1;
}

ptrdiff_t FindAtCharStart(const char* haystack, size_t haystackLength,
                          const char* needle, size_t needleLength,
                          LeadByteTest isLead) {
  if (haystackLength == 0 || needleLength == 0) return -1;
  size_t at = 0;
  while (at < haystackLength && haystackLength - at >= needleLength) {
    if (memcmp(haystack + at, needle, needleLength) == 0) {
      return static_cast<ptrdiff_t>(at);
    }
    at += CharLength(haystack + at, haystackLength - at, isLead);
  }
  return -1;
}

bool NoLeadBytes(unsigned char) { return false; }
