// Loads each library named on its command line the way the launcher loads
// its libraries (CSystemLibrary, after restricting the search to the system
// folder) and checks where each came from. The exit code is the number of
// libraries that did not load from the system folder.
// Usage: library_probe <name.dll>...
#include <windows.h>
#include <string.h>

#include "framework/system_library.h"

int main(int argc, char** argv) {
  RestrictLibrarySearchToSystemFolder();
  char system[MAX_PATH] = "";
  UINT systemLength = GetSystemDirectoryA(system, MAX_PATH);
  int outside = 0;
  for (int i = 1; i < argc; ++i) {
    CSystemLibrary library(argv[i]);
    char path[MAX_PATH] = "";
    HMODULE module = GetModuleHandleA(argv[i]);
    if (library.IsLoaded() && module) GetModuleFileNameA(module, path, MAX_PATH);
    bool fromSystem = _strnicmp(path, system, systemLength) == 0 && path[systemLength] == '\\';
    if (!fromSystem) ++outside;
  }
  return outside;
}
