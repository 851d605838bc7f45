#pragma once

#include "app/tool_catalogue.h"
#include "framework/afx_string.h"
#include "framework/scoped_handle.h"

struct InstallerFunctions;

// Reads the tools' installation records, for one piece of work. Its only
// state is the buffer each lookup reads a value into; making it sets
// nothing up.
class CToolSetup {
 public:
  // The tool's "Version"; empty for an index outside 0 to 3 (the registry
  // is not touched then), a missing key or value, a key the user may not
  // open with all access rights, or a value longer than 255 bytes.
  CString GetInstalledVersion(ToolIndex index);

  // The full tool's "ProductID", its Windows Installer product code; empty
  // on the same grounds.
  CString GetInstalledProductCode();

  // Replaces the installed full tool with the package at `packagePath`,
  // silently: the installed product (state local or default) is removed,
  // the package installed with "ACTION=INSTALL", and the package file
  // deleted last. After a failed install the product read before is
  // configured absent once more. True when the Installer reported success,
  // also a success that still needs a restart. `packageHold`, the handle
  // that keeps the package unchanged, is closed once the install returned.
  bool ReinstallPackage(const CString& packagePath, CScopedHandle* packageHold = nullptr);
  // The same with the given Installer functions.
  bool ReinstallPackage(const CString& packagePath, CScopedHandle* packageHold,
                        const InstallerFunctions& installer);

 private:
  CString ReadRecordValue(const char* keyPath, const char* valueName);

  char m_szValue[256];
};
