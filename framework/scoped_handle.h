#pragma once

#include <windows.h>

// Owns a kernel handle and closes it when it goes. Null and
// INVALID_HANDLE_VALUE both mean "no handle".
class CScopedHandle {
 public:
  CScopedHandle() : m_handle(nullptr) {}
  explicit CScopedHandle(HANDLE handle) : m_handle(handle) {}
  ~CScopedHandle() { Close(); }

  bool IsValid() const {
    return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE;
  }
  HANDLE Get() const { return m_handle; }

  // Closes the handle held so far and takes `handle` in its place.
  void Reset(HANDLE handle = nullptr) {
    Close();
    m_handle = handle;
  }

  void Close() {
    if (IsValid()) CloseHandle(m_handle);
    m_handle = nullptr;
  }

  // Gives the handle up without closing it.
  HANDLE Release() {
    HANDLE handle = m_handle;
    m_handle = nullptr;
    return handle;
  }

 private:
  CScopedHandle(const CScopedHandle&) = delete;
  CScopedHandle& operator=(const CScopedHandle&) = delete;

  HANDLE m_handle;
};

// Owns an open registry key and closes it when it goes.
class CScopedKey {
 public:
  CScopedKey() : m_key(nullptr) {}
  ~CScopedKey() { Close(); }

  HKEY Get() const { return m_key; }
  // The place where RegOpenKeyExA stores the key it opens; closes a key
  // held before.
  HKEY* Receive() {
    Close();
    return &m_key;
  }

  void Close() {
    if (m_key) RegCloseKey(m_key);
    m_key = nullptr;
  }

 private:
  CScopedKey(const CScopedKey&) = delete;
  CScopedKey& operator=(const CScopedKey&) = delete;

  HKEY m_key;
};
