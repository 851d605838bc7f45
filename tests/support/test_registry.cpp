#include "tests/support/test_registry.h"

#include <sddl.h>

void DeleteKeyTree(const std::string& path) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

void SetRawValue(const std::string& key, const std::string& name, DWORD type,
                 const std::string& data) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(handle, name.c_str(), 0, type,
                 reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
  RegCloseKey(handle);
}

void SetStringValue(const std::string& key, const std::string& name,
                    const std::string& value) {
  SetRawValue(key, name, REG_SZ, std::string(value.c_str(), value.size() + 1));
}

void DeleteValue(const std::string& key, const std::string& name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE,
                    &handle) != ERROR_SUCCESS) {
    return;
  }
  RegDeleteValueA(handle, name.c_str());
  RegCloseKey(handle);
}

void MakeKeyReadOnly(const std::string& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, WRITE_DAC, &handle) != ERROR_SUCCESS) {
    return;
  }
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  // Everyone: read, change the permissions, delete.
  if (ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;CI;KRWDSD;;;WD)",
                                                           SDDL_REVISION_1, &descriptor,
                                                           nullptr)) {
    RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
  }
  RegCloseKey(handle);
}
