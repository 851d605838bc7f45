#pragma once

#include "framework/afx_string.h"
#include "framework/mbcs.h"

// The command line without white space at either end: first the trailing,
// then the leading. White space is the blank and the control characters
// 0x09 to 0x0D. Two-byte characters are taken as units, so a trail byte is
// never mistaken for white space.
CString TrimCommandLine(const CString& commandLine, LeadByteTest isLead);
