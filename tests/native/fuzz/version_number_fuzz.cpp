// VersionToNumber against a plain model of its rules in 64-bit arithmetic,
// reduced modulo 2^32 once at the end.
#include <stddef.h>
#include <stdint.h>

#include "tests/native/fuzz/fuzz_check.h"
#include "update/version_number.h"

namespace {

uint32_t Model(const uint8_t* data, size_t size) {
  const uint64_t weights[3] = {1000000, 1000, 1};
  uint64_t total = 0;
  uint64_t run = 0;
  int group = 0;
  for (size_t i = 0; i < size && group < 3; ++i) {
    if (data[i] >= '0' && data[i] <= '9') {
      run = run * 10 + (data[i] - '0');
      if (run > 2147483647) run = 2147483647;
    } else {
      total += run * weights[group++];
      run = 0;
    }
  }
  if (group < 3) total += run * weights[group];
  return static_cast<uint32_t>(total);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  uint32_t number = VersionToNumber(text, size);
  FUZZ_CHECK(number == Model(data, size));
  FUZZ_CHECK(number == VersionToNumber(CString(text, size)));
  return 0;
}
