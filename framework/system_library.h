#pragma once

#include <windows.h>

// Restricts every later library load of the process, including the
// dependencies that system libraries pull in, to the system folder. The
// launcher often runs with administrator rights from a folder the user can
// write, such as a downloads folder: a DLL placed beside it must never load.
void RestrictLibrarySearchToSystemFolder();

// A library loaded from the system folder only, and released when the owner
// goes.
class CSystemLibrary {
 public:
  explicit CSystemLibrary(const char* fileName);
  ~CSystemLibrary();

  bool IsLoaded() const { return m_module != nullptr; }

  // The address of an export, cast to the function type `F`; null when the
  // library or the export is missing.
  template <typename F>
  F Get(const char* exportName) const {
    return reinterpret_cast<F>(
        reinterpret_cast<void (*)()>(Find(exportName)));
  }

 private:
  CSystemLibrary(const CSystemLibrary&) = delete;
  CSystemLibrary& operator=(const CSystemLibrary&) = delete;

  FARPROC Find(const char* exportName) const;

  HMODULE m_module;
};
