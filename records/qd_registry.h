#pragma once

#include <windows.h>

#include "framework/afx_string.h"

// Reads string values of keys under HKEY_CURRENT_USER, always in the 64-bit
// registry view when the process runs under WOW64. Reports no errors: a step
// that fails gives 0 or the empty string. The object owns the key that Open
// leaves in it and closes it in Close, at the end of GetValue, or when it
// goes.
class CQdRegstry {
 public:
  CQdRegstry();
  virtual ~CQdRegstry();

  // Opens `subKey` with `access`; with access exactly KEY_SET_VALUE (2) a
  // missing key is created (and then held with all access rights). Returns
  // 1 when the object now holds an open key, 0 otherwise.
  int Open(const CString& subKey, REGSAM access);

  // The text of `valueName` in the open key; empty when the value is
  // missing, longer than 255 bytes with its terminator, or unreadable.
  CString QueryValue(const CString& valueName);

  // Open for reading, QueryValue and close in one call; never creates a key.
  CString GetValue(const CString& subKey, const CString& valueName);

  void Close();

 private:
  CQdRegstry(const CQdRegstry&) = delete;
  CQdRegstry& operator=(const CQdRegstry&) = delete;

  HKEY m_hKey;
  char m_szValue[256];
};
