#pragma once

// Ends the first running process whose executable path contains the full
// tool's executable name, and waits a short, bounded time for it to go.
void CloseRunningFullTool();
