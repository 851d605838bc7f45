#include "app/command_line_trim.h"

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

}  // namespace

CString TrimCommandLine(const CString& commandLine, LeadByteTest isLead) {
  const char* text = commandLine.GetString();
  size_t length = commandLine.GetLength();

  // Trailing: the text ends after its last character that is not white.
  size_t end = 0;
  for (size_t at = 0; at < length;) {
    size_t step = CharLength(text + at, length - at, isLead);
    if (step != 1 || !IsWhiteSpace(text[at])) end = at + step;
    at += step;
  }

  // Leading: white space is always a single-byte character.
  size_t start = 0;
  while (start < end && IsWhiteSpace(text[start])) ++start;

  if (start == 0 && end == length) return commandLine;
  return CString(text + start, end - start);
}
