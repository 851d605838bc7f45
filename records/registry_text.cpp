#include "records/registry_text.h"

CString TextOfValueData(const char* buffer, size_t returned, size_t capacity) {
  size_t limit = returned < capacity ? returned : capacity;
  size_t length = 0;
  while (length < limit && buffer[length] != '\0') ++length;
  return CString(buffer, length);
}
