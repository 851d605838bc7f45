// The search for the full tool's name in a process path: the first match
// that begins at a character start, in a single-byte and a double-byte code
// page, against a search over every character start. The first input byte
// sets the length of the name; the rest is name and path.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "framework/mbcs.h"
#include "tests/native/fuzz/double_byte_model.h"
#include "tests/native/fuzz/fuzz_check.h"

namespace {

ptrdiff_t Model(const char* path, size_t pathSize, const char* name, size_t nameSize,
                bool (*isLead)(unsigned char)) {
  if (pathSize == 0 || nameSize == 0) return -1;
  for (size_t start : CharacterStarts(path, pathSize, isLead)) {
    if (pathSize - start >= nameSize && memcmp(path + start, name, nameSize) == 0) {
      return static_cast<ptrdiff_t>(start);
    }
  }
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  size_t nameSize = data[0] % 16;
  if (nameSize > size - 1) nameSize = size - 1;
  const char* name = reinterpret_cast<const char*>(data + 1);
  const char* path = name + nameSize;
  size_t pathSize = size - 1 - nameSize;

  for (bool (*isLead)(unsigned char) : {NoLeadBytes, DoubleByteLead}) {
    ptrdiff_t found = FindAtCharStart(path, pathSize, name, nameSize, isLead);
    FUZZ_CHECK(found == Model(path, pathSize, name, nameSize, isLead));
  }
  return 0;
}
