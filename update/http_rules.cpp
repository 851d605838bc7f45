#include "update/http_rules.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool IsHttpsUrl(const char* url) {
  static const char kScheme[] = "https://";
  if (!url) return false;
  for (int i = 0; kScheme[i] != '\0'; ++i) {
    char c = url[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kScheme[i]) return false;
  }
  return true;
}

bool IsRedirectStatus(unsigned long status) {
  return status == 301 || status == 302 || status == 303 || status == 307 ||
         status == 308;
}

bool ParseContentLength(const char* text, uint64_t* length) {
  if (!text) return false;
  while (IsBlank(*text)) ++text;
  uint64_t value = 0;
  const char* digits = text;
  while (*text >= '0' && *text <= '9') {
    uint64_t digit = static_cast<uint64_t>(*text - '0');
    if (value > ((uint64_t{1} << 63) - digit) / 10) return false;
    value = value * 10 + digit;
    ++text;
  }
  if (text == digits) return false;
  while (IsBlank(*text)) ++text;
  if (*text != '\0') return false;
  *length = value;
  return true;
}
