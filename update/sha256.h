#pragma once

#include <windows.h>
#include <wincrypt.h>

const DWORD kSha256Size = 32;

// A SHA-256 digest through the system's cryptographic provider.
class CSha256 {
 public:
  CSha256();
  ~CSha256();

  bool Add(const void* data, DWORD size);
  // The digest of everything added; false when the provider failed.
  bool Finish(BYTE (&digest)[kSha256Size]);

 private:
  CSha256(const CSha256&) = delete;
  CSha256& operator=(const CSha256&) = delete;

  HCRYPTPROV m_provider;
  HCRYPTHASH m_hash;
  bool m_failed;
};
