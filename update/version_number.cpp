#include "update/version_number.h"

namespace {

const uint32_t kWeights[3] = {1000000u, 1000u, 1u};
const uint32_t kLargestRun = 2147483647u;

}  // namespace

uint32_t VersionToNumber(const char* text, size_t length) {
  uint32_t total = 0;
  int group = 0;
  uint32_t run = 0;
  for (size_t at = 0; at < length && group < 3; ++at) {
    unsigned char byte = static_cast<unsigned char>(text[at]);
    if (byte >= '0' && byte <= '9') {
      uint32_t digit = byte - '0';
      run = run > (kLargestRun - digit) / 10 ? kLargestRun : run * 10 + digit;
    } else {
      total += run * kWeights[group];
      ++group;
      run = 0;
    }
  }
  if (group < 3) total += run * kWeights[group];
  return total;
}

uint32_t VersionToNumber(const CString& text) {
  return VersionToNumber(text.GetString(), text.GetLength());
}
