#include "framework/system_library.h"

void RestrictLibrarySearchToSystemFolder() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

CSystemLibrary::CSystemLibrary(const char* fileName)
    : m_module(LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

CSystemLibrary::~CSystemLibrary() {
  if (m_module) FreeLibrary(m_module);
}

FARPROC CSystemLibrary::Find(const char* exportName) const {
  return m_module ? GetProcAddress(m_module, exportName) : nullptr;
}
