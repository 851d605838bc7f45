#pragma once

#include "app/tool_catalogue.h"
#include "framework/afx_string.h"

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

 private:
  CString ReadRecordValue(const char* keyPath, const char* valueName);

  char m_szValue[256];
};
