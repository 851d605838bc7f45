#include "update/sha256.h"

CSha256::CSha256() : m_provider(0), m_hash(0), m_failed(false) {
  if (!CryptAcquireContextA(&m_provider, nullptr, nullptr, PROV_RSA_AES,
                            CRYPT_VERIFYCONTEXT | CRYPT_SILENT) ||
      !CryptCreateHash(m_provider, CALG_SHA_256, 0, 0, &m_hash)) {
    m_failed = true;
  }
}

CSha256::~CSha256() {
  if (m_hash) CryptDestroyHash(m_hash);
  if (m_provider) CryptReleaseContext(m_provider, 0);
}

bool CSha256::Add(const void* data, DWORD size) {
  if (m_failed || size == 0) return !m_failed;
  if (!CryptHashData(m_hash, static_cast<const BYTE*>(data), size, 0)) m_failed = true;
  return !m_failed;
}

bool CSha256::Finish(BYTE (&digest)[kSha256Size]) {
  if (m_failed) return false;
  DWORD size = kSha256Size;
  return CryptGetHashParam(m_hash, HP_HASHVAL, digest, &size, 0) && size == kSha256Size;
}
