#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/scoped_handle.h"
#include "update/sha256.h"

// Opens the file at `path` for reading and keeps it open in `hold`, sharing
// reading only: while `hold` is open no process can write, replace, rename
// or delete the file. Only when the content opened is the content that has
// the given digest; false, with nothing held, otherwise.
bool HoldUnchangedFile(const CString& path, const BYTE (&digest)[kSha256Size],
                       CScopedHandle& hold);
