#include "records/qd_registry.h"

#include "records/registry_text.h"
#include "records/registry_view.h"

CQdRegstry::CQdRegstry() : m_hKey(nullptr) {}

CQdRegstry::~CQdRegstry() { Close(); }

int CQdRegstry::Open(const CString& subKey, REGSAM access) {
  // A key still held would be lost: give it back first.
  Close();

  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, WithRegistryView(access),
                    &key) == ERROR_SUCCESS &&
      key) {
    m_hKey = key;
    return 1;
  }
  if (access != KEY_SET_VALUE) return 0;

  DWORD disposition = 0;
  key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey, 0, const_cast<char*>(""),
                      REG_OPTION_NON_VOLATILE,
                      WithRegistryView(KEY_ALL_ACCESS), nullptr, &key,
                      &disposition) != ERROR_SUCCESS ||
      !key) {
    return 0;
  }
  m_hKey = key;
  return 1;
}

CString CQdRegstry::QueryValue(const CString& valueName) {
  DWORD size = sizeof m_szValue;
  DWORD type = 0;
  if (RegQueryValueExA(m_hKey, valueName, nullptr, &type,
                       reinterpret_cast<BYTE*>(m_szValue),
                       &size) != ERROR_SUCCESS) {
    return CString();
  }
  return TextOfValueData(m_szValue, size, sizeof m_szValue);
}

CString CQdRegstry::GetValue(const CString& subKey, const CString& valueName) {
  if (!Open(subKey, KEY_QUERY_VALUE)) return CString();
  CString value = QueryValue(valueName);
  Close();
  return value;
}

void CQdRegstry::Close() {
  if (m_hKey) RegCloseKey(m_hKey);
  m_hKey = nullptr;
}
