#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ProgramRun {
  bool ended = false;  // false: still running when the time was up (killed)
  DWORD exitCode = 0;
  DWORD milliseconds = 0;
};

// Starts `path` with exactly the command line `"<path>"<tail>` (the tail is
// appended as given, with its blanks and tabs) and waits for it to end.
ProgramRun RunProgram(const std::string& path, const std::string& tail,
                      DWORD timeoutMs = 120000);

// Starts `path` the same way and returns its process handle without waiting;
// `environment` adds variables ("NAME=value") to the test's own.
HANDLE StartProgram(const std::string& path, const std::string& tail,
                    const std::vector<std::string>& environment = {});

// Paths of the running processes' executables, in the platform's
// enumeration order, with their identifiers.
struct RunningProcess {
  DWORD id;
  std::string path;
};
std::vector<RunningProcess> RunningProcesses();

// Waits until no process whose executable lies under `folder` runs.
bool WaitForProcessesUnder(const std::string& folder, DWORD timeoutMs = 15000);

// Ends every process whose executable lies under `folder`.
void EndProcessesUnder(const std::string& folder);
