// The first line of a version file: read in pieces of any size it is the
// same, and it is what a plain model of text mode gives. The first input
// byte sets the size of the pieces.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "framework/text_line_scanner.h"
#include "tests/native/fuzz/fuzz_check.h"

namespace {

struct Line {
  std::string text;
  bool present;
};

// Text mode: CR LF becomes LF, Ctrl-Z ends the text. The line ends at the
// first LF; its text stops at a zero byte.
Line Model(const char* data, size_t size) {
  std::string translated;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0x1A) break;
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') continue;
    translated.push_back(data[i]);
  }
  std::string line = translated.substr(0, translated.find('\n'));
  line = line.substr(0, line.find('\0'));
  return {line, !translated.empty()};
}

Line Scan(const char* data, size_t size, size_t piece) {
  CTextLineScanner scanner;
  size_t at = 0;
  while (!scanner.IsComplete() && at < size) {
    size_t length = piece < size - at ? piece : size - at;
    size_t taken = scanner.Feed(data + at, length);
    FUZZ_CHECK(taken <= length);
    at += taken;
    if (taken < length) FUZZ_CHECK(scanner.IsComplete());
  }
  scanner.Finish();
  return {std::string(scanner.Line().GetString(), scanner.Line().GetLength()),
          !scanner.IsEmptyRead()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  size_t piece = data[0] ? data[0] : 4096;
  const char* file = reinterpret_cast<const char*>(data + 1);
  size_t length = size - 1;

  Line expected = Model(file, length);
  Line whole = Scan(file, length, length ? length : 1);
  Line pieces = Scan(file, length, piece);
  FUZZ_CHECK(whole.text == expected.text && whole.present == expected.present);
  FUZZ_CHECK(pieces.text == expected.text && pieces.present == expected.present);
  return 0;
}
