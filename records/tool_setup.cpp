#include "records/tool_setup.h"

#include <windows.h>
#include <string.h>

#include "framework/scoped_handle.h"
#include "records/registry_text.h"
#include "records/registry_view.h"

CString CToolSetup::GetInstalledVersion(ToolIndex index) {
  const char* keyPath = ToolKeyPath(index);
  if (*keyPath == '\0') return CString();
  return ReadRecordValue(keyPath, VALUE_VERSION);
}

CString CToolSetup::GetInstalledProductCode() {
  return ReadRecordValue(ToolKeyPath(TOOL_VANTO), VALUE_PRODUCT_ID);
}

CString CToolSetup::ReadRecordValue(const char* keyPath, const char* valueName) {
  // All access rights are asked for, although the lookup only reads: a
  // record the user may not change reads as missing.
  CScopedKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, WithRegistryView(KEY_ALL_ACCESS),
                    key.Receive()) != ERROR_SUCCESS ||
      !key.Get()) {
    return CString();
  }
  memset(m_szValue, 0, sizeof m_szValue);
  DWORD size = sizeof m_szValue;
  DWORD type = 0;
  if (RegQueryValueExA(key.Get(), valueName, nullptr, &type,
                       reinterpret_cast<BYTE*>(m_szValue), &size) != ERROR_SUCCESS) {
    return CString();
  }
  return TextOfValueData(m_szValue, size, sizeof m_szValue);
}
