#pragma once

#include <stddef.h>

#include <vector>

#include "tests/support/double_byte.h"

// The offsets at which characters start, worked out on their own: a lead
// byte with a nonzero byte after it starts a two-byte character.
inline std::vector<size_t> CharacterStarts(const char* text, size_t size,
                                           bool (*isLead)(unsigned char)) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < size;) {
    starts.push_back(i);
    bool pair = isLead(static_cast<unsigned char>(text[i])) && i + 1 < size && text[i + 1] != 0;
    i += pair ? 2 : 1;
  }
  return starts;
}
