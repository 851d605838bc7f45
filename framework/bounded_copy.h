#pragma once

#include <stddef.h>

// Copies `source` into the fixed buffer `target` of `targetSize` bytes:
// at most targetSize - 1 bytes and always a terminating zero. Returns the
// number of bytes copied; less than strlen(source) means the text was cut.
size_t CopyBounded(char* target, size_t targetSize, const char* source);

// Appends `source` to the zero-terminated text in `target` within the same
// bound. Returns the new length of the text in `target`.
size_t AppendBounded(char* target, size_t targetSize, const char* source);
