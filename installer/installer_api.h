#pragma once

#include <windows.h>
#include <msi.h>

#include "framework/system_library.h"

// The Windows Installer functions the reinstall calls.
struct InstallerFunctions {
  decltype(&MsiQueryProductStateA) queryProductState;
  decltype(&MsiSetInternalUI) setInternalUI;
  decltype(&MsiConfigureProductA) configureProduct;
  decltype(&MsiInstallProductA) installProduct;

  bool IsComplete() const {
    return queryProductState && setInternalUI && configureProduct && installProduct;
  }
};

// The system's Windows Installer, msi.dll from the system folder, loaded for
// as long as the object lives.
class CSystemInstaller {
 public:
  CSystemInstaller();
  const InstallerFunctions& Functions() const { return m_functions; }

 private:
  CSystemLibrary m_library;
  InstallerFunctions m_functions;
};
