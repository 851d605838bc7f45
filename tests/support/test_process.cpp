#include "tests/support/test_process.h"

#include <psapi.h>

#include <algorithm>

namespace {

bool StartsWithFolder(const std::string& path, const std::string& folder) {
  if (path.size() <= folder.size()) return false;
  return _strnicmp(path.c_str(), folder.c_str(), folder.size()) == 0 &&
         (path[folder.size()] == '\\' || path[folder.size()] == '/');
}

}  // namespace

HANDLE StartProgram(const std::string& path, const std::string& tail,
                    const std::vector<std::string>& environment) {
  std::string commandLine = "\"" + path + "\"" + tail;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');

  std::vector<char> block;
  if (!environment.empty()) {
    char* own = GetEnvironmentStringsA();
    for (const char* entry = own; *entry; entry += strlen(entry) + 1) {
      block.insert(block.end(), entry, entry + strlen(entry) + 1);
    }
    FreeEnvironmentStringsA(own);
    for (const std::string& entry : environment) {
      block.insert(block.end(), entry.begin(), entry.end());
      block.push_back('\0');
    }
    block.push_back('\0');
  }

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                      block.empty() ? nullptr : block.data(), nullptr, &startup,
                      &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

ProgramRun RunProgram(const std::string& path, const std::string& tail,
                      DWORD timeoutMs) {
  ProgramRun run;
  DWORD start = GetTickCount();
  HANDLE process = StartProgram(path, tail);
  if (!process) return run;
  if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) {
    run.ended = true;
    GetExitCodeProcess(process, &run.exitCode);
  } else {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
  }
  run.milliseconds = GetTickCount() - start;
  CloseHandle(process);
  return run;
}

std::vector<RunningProcess> RunningProcesses() {
  std::vector<DWORD> ids(4096);
  DWORD filled = 0;
  std::vector<RunningProcess> processes;
  if (!K32EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)),
                        &filled)) {
    return processes;
  }
  ids.resize(filled / sizeof(DWORD));
  for (DWORD id : ids) {
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    if (!process) continue;
    HMODULE module = nullptr;
    DWORD needed = 0;
    char path[1024] = "";
    if (K32EnumProcessModules(process, &module, sizeof module, &needed)) {
      K32GetModuleFileNameExA(process, module, path, sizeof path);
    }
    CloseHandle(process);
    processes.push_back({id, path});
  }
  return processes;
}

bool WaitForProcessesUnder(const std::string& folder, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    std::vector<RunningProcess> all = RunningProcesses();
    if (std::none_of(all.begin(), all.end(), [&](const RunningProcess& p) {
          return StartsWithFolder(p.path, folder);
        })) {
      return true;
    }
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
}

void EndProcessesUnder(const std::string& folder) {
  for (const RunningProcess& running : RunningProcesses()) {
    if (!StartsWithFolder(running.path, folder)) continue;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, running.id);
    if (!process) continue;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}
