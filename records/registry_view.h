#pragma once

#include <windows.h>

typedef BOOL(WINAPI* IsWow64ProcessFn)(HANDLE process, PBOOL wow64);

// `access` with KEY_WOW64_64KEY added when the process runs under WOW64, so
// that a 32-bit launcher reads the same records as 64-bit tools. The
// question is asked afresh on every call; when it cannot be answered the
// process counts as running under WOW64.
REGSAM WithRegistryView(REGSAM access,
                        IsWow64ProcessFn isWow64Process = IsWow64Process);
