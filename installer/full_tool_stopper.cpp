#include "installer/full_tool_stopper.h"

#include <windows.h>
#include <psapi.h>
#include <string.h>

#include "app/tool_catalogue.h"
#include "framework/ansi_code_page.h"
#include "framework/bounded_copy.h"
#include "framework/mbcs.h"
#include "framework/scoped_handle.h"

namespace {

const DWORD kMaxProcesses = 1024;
const DWORD kMaxModules = 1024;
const DWORD kEndWaitMs = 500;

// The path of the process's executable module into `path`; stays empty
// when the process cannot be inspected.
void ReadExecutablePath(DWORD processId, char* path, DWORD pathSize) {
  memset(path, 0, pathSize);
  CScopedHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process.IsValid()) return;
  HMODULE modules[kMaxModules];
  memset(modules, 0, sizeof modules);
  DWORD needed = 0;
  if (K32EnumProcessModules(process.Get(), modules, sizeof modules, &needed)) {
    K32GetModuleFileNameExA(process.Get(), modules[0], path, pathSize);
    path[pathSize - 1] = '\0';
  }
}

}  // namespace

void CloseRunningFullTool() {
  char exeName[MAX_PATH];
  CopyBounded(exeName, sizeof exeName, FULL_TOOL_STEM);
  AppendBounded(exeName, sizeof exeName, FULL_TOOL_SUFFIX);
  size_t exeNameLength = strlen(exeName);

  DWORD processIds[kMaxProcesses];
  DWORD filled = 0;
  if (!K32EnumProcesses(processIds, sizeof processIds, &filled)) return;
  DWORD count = filled / sizeof(DWORD);
  if (count > kMaxProcesses) count = kMaxProcesses;

  // A launcher started from a folder whose name holds the executable name
  // must not end itself instead of the full tool.
  DWORD ownId = GetCurrentProcessId();
  for (DWORD i = 0; i < count; ++i) {
    if (processIds[i] == ownId) continue;
    char path[1024];
    ReadExecutablePath(processIds[i], path, sizeof path);
    if (FindAtCharStart(path, strlen(path), exeName, exeNameLength, AnsiLeadByte) < 0) {
      continue;
    }
    // With the right to wait as well as to end it: the reinstall must not
    // start while the old copy still holds its files.
    CScopedHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processIds[i]));
    if (process.IsValid()) {
      TerminateProcess(process.Get(), 0);
      WaitForSingleObject(process.Get(), kEndWaitMs);
    }
    return;
  }
}
