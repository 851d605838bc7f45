// Stands in for a tool of the suite. Each start appends a record to the file
// "<own path>.started" beside the executable:
//   path=<the executable's own path>
//   cmdline=<the command line exactly as the process received it>
//   cwd=<the current directory>
// With VANTOLITE_STANDIN_STAY set in its environment it then stays running
// until it is ended, as a running full tool would.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, cwd);

  std::string record = std::string("path=") + path + "\r\ncmdline=" +
                       GetCommandLineA() + "\r\ncwd=" + cwd + "\r\n";
  std::string recordPath = std::string(path) + ".started";
  HANDLE file = CreateFileA(recordPath.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written,
              nullptr);
    CloseHandle(file);
  }

  if (GetEnvironmentVariableA("VANTOLITE_STANDIN_STAY", nullptr, 0) > 0) {
    Sleep(INFINITE);
  }
  return 0;
}
