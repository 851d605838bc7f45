#include "framework/bounded_copy.h"

#include <string.h>

size_t CopyBounded(char* target, size_t targetSize, const char* source) {
  if (targetSize == 0) return 0;
  size_t length = 0;
  while (length + 1 < targetSize && source[length] != '\0') {
    target[length] = source[length];
    ++length;
  }
  target[length] = '\0';
  return length;
}

size_t AppendBounded(char* target, size_t targetSize, const char* source) {
  if (targetSize == 0) return 0;
  size_t used = 0;
  while (used < targetSize && target[used] != '\0') ++used;
  if (used == targetSize) {
    // No terminator inside the buffer: end the text at its last byte.
    target[targetSize - 1] = '\0';
    return targetSize - 1;
  }
  return used + CopyBounded(target + used, targetSize - used, source);
}
