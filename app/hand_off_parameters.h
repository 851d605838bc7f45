#pragma once

#include <stddef.h>

#include "framework/afx_string.h"

// The parameters handed to the full tool: the trimmed command line, copied
// into the caller's fixed buffer when it fits there with its terminating
// zero. A longer line is handed on whole from its own storage, never cut.
const char* HandOffParameters(const CString& commandLine, char* buffer,
                              size_t bufferSize);
