#pragma once

// Ends the first running process, in the system's enumeration order, whose
// executable path holds the full tool's executable name (Vanto.exe, case
// and all, in a folder name as well as in the file name), with exit code 0,
// and waits up to 500 ms for it to go. At most one process is ended; the
// launcher's own process never is.
void CloseRunningFullTool();
