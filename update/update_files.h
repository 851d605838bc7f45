#pragma once

#include "framework/afx_string.h"

// The address of a file on the update server:
// "https://" + the server's host name + "/pctool/Telvane/Q2875/" + the file
// name, joined as they are, without escaping.
CString UpdateFileUrl(const char* fileName);

// The name of the short-lived local copy of a version file for a number
// from 0 to 999: "QdTemp_" + the number in three digits + ".$$$".
CString VersionTempFileName(int number);
