// Trimming the command line, in a single-byte and a double-byte code page:
// the result is the text between the first and after the last character
// that is not white space, and trimming it again changes nothing.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "app/command_line_trim.h"
#include "framework/mbcs.h"
#include "tests/native/fuzz/double_byte_model.h"
#include "tests/native/fuzz/fuzz_check.h"

namespace {

bool IsWhite(char c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }

void Check(const std::string& line, bool (*isLead)(unsigned char)) {
  std::vector<size_t> starts = CharacterStarts(line.data(), line.size(), isLead);
  size_t end = 0;
  for (size_t k = 0; k < starts.size(); ++k) {
    size_t next = k + 1 < starts.size() ? starts[k + 1] : line.size();
    bool single = next - starts[k] == 1;
    if (!single || !IsWhite(line[starts[k]])) end = next;
  }
  size_t begin = 0;
  while (begin < end && IsWhite(line[begin])) ++begin;
  std::string expected = line.substr(begin, end - begin);

  CString trimmed = TrimCommandLine(CString(line.data(), line.size()), isLead);
  FUZZ_CHECK(std::string(trimmed.GetString(), trimmed.GetLength()) == expected);
  CString again = TrimCommandLine(trimmed, isLead);
  FUZZ_CHECK(again == trimmed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A command line holds no zero byte.
  const char* text = reinterpret_cast<const char*>(data);
  std::string line(text, strnlen(text, size));
  Check(line, NoLeadBytes);
  Check(line, DoubleByteLead);
  return 0;
}
