#pragma once

#include <stddef.h>
#include <stdint.h>

#include "framework/afx_string.h"

// The version number of a version text, for comparing two versions as
// unsigned integers. The text is read byte by byte as at most three groups
// of decimal digits weighted 1000000, 1000 and 1; every byte other than the
// ASCII digits closes a group (a point as well as a letter, a blank, a CR or
// either byte of a two-byte character). An empty group is worth 0, a run of
// digits above 2147483647 counts as 2147483647, and products and sum wrap
// modulo 2^32. After the third group the rest of the text is ignored.
uint32_t VersionToNumber(const char* text, size_t length);
uint32_t VersionToNumber(const CString& text);
