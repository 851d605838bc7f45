// A DLL planted beside a program under the name of a library the program
// may use. Loaded, it leaves a mark: the file "<its own path>.loaded".
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    char mark[MAX_PATH + 16] = "";
    DWORD length = GetModuleFileNameA(instance, mark, MAX_PATH);
    lstrcpyA(mark + length, ".loaded");
    HANDLE file = CreateFileA(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  return TRUE;
}

// The functions a program that links these libraries the ordinary way
// imports, so that the loader can complete such a program with this DLL.
extern "C" __declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) { return TRUE; }
extern "C" __declspec(dllexport) int WINAPI MsiSetInternalUI(int, HWND*) { return 0; }
extern "C" __declspec(dllexport) BOOL WINAPI DeleteUrlCacheEntryA(const char*) { return TRUE; }
