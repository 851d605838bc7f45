#include "framework/command_line.h"

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
