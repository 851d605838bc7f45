// The other pieces that read outside input: the program name skipped from a
// command line, the parts of a module path, a Content-Length header and the
// scheme of a redirect address.
#include <ctype.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "framework/command_line.h"
#include "framework/path_text.h"
#include "tests/native/fuzz/fuzz_check.h"
#include "tests/support/double_byte.h"
#include "update/http_rules.h"

namespace {

bool ModelLength(const std::string& text, uint64_t* value) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return false;
  size_t end = text.find_last_not_of(" \t") + 1;
  std::string digits = text.substr(begin, end - begin);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  unsigned __int128 number = 0;
  for (char c : digits) {
    number = number * 10 + static_cast<unsigned>(c - '0');
    if (number > (static_cast<unsigned __int128>(1) << 63)) return false;
  }
  *value = static_cast<uint64_t>(number);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, text.find('\0'));
  const char* c = text.c_str();

  const char* arguments = SkipProgramName(c);
  FUZZ_CHECK(arguments >= c && arguments <= c + text.size());
  unsigned char first = static_cast<unsigned char>(*arguments);
  FUZZ_CHECK(first == 0 || first > 32);

  for (bool (*isLead)(unsigned char) : {NoLeadBytes, DoubleByteLead}) {
    CString folder = DriveAndFolderOf(c, isLead);
    CString stem = FileStemOf(c, isLead);
    FUZZ_CHECK(text.compare(0, folder.GetLength(), folder.GetString()) == 0);
    FUZZ_CHECK(text.compare(folder.GetLength(), stem.GetLength(), stem.GetString()) == 0);
  }

  uint64_t parsed = 0;
  uint64_t modelled = 0;
  bool accepted = ParseContentLength(c, &parsed);
  FUZZ_CHECK(accepted == ModelLength(text, &modelled));
  FUZZ_CHECK(!accepted || parsed == modelled);

  FUZZ_CHECK(IsHttpsUrl(c) == (text.size() >= 8 && strncasecmp(c, "https://", 8) == 0));
  return 0;
}
