#pragma once

#include <stddef.h>

#include "framework/afx_string.h"

// The text of a registry value read into a fixed buffer: its bytes up to the
// first zero byte, never beyond the `returned` bytes that the registry
// filled nor beyond the buffer's `capacity`. A value stored without a
// terminating zero (or of another type) is cut where its data ends.
CString TextOfValueData(const char* buffer, size_t returned, size_t capacity);
