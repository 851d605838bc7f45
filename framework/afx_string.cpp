#include "framework/afx_string.h"

#include <stdlib.h>
#include <string.h>

namespace {

const size_t kMaxLength = (static_cast<size_t>(-1) >> 2);

}  // namespace

CString::CString() : m_buffer(nullptr) {}

CString::CString(const char* text) : m_buffer(nullptr) {
  if (text) Append(text, strlen(text));
}

CString::CString(const char* text, size_t length) : m_buffer(nullptr) {
  if (text) Append(text, length);
}

CString::CString(const CString& other) : m_buffer(other.m_buffer) {
  if (m_buffer) ++m_buffer->refs;
}

CString::~CString() { Release(); }

CString& CString::operator=(const CString& other) {
  if (other.m_buffer) ++other.m_buffer->refs;
  Release();
  m_buffer = other.m_buffer;
  return *this;
}

CString& CString::operator+=(const CString& other) {
  // Appending a string to itself reads from the buffer that grows: keep a
  // reference so the source stays alive and unchanged.
  CString source(other);
  Append(source.GetString(), source.GetLength());
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text) Append(text, strlen(text));
  return *this;
}

CString::Buffer* CString::Allocate(size_t capacity) {
  if (capacity > kMaxLength) return nullptr;
  Buffer* buffer =
      static_cast<Buffer*>(malloc(offsetof(Buffer, text) + capacity + 1));
  if (!buffer) return nullptr;
  buffer->refs = 1;
  buffer->length = 0;
  buffer->capacity = capacity;
  buffer->text[0] = '\0';
  return buffer;
}

void CString::Release() {
  if (m_buffer && --m_buffer->refs == 0) free(m_buffer);
  m_buffer = nullptr;
}

bool CString::Reserve(size_t capacity) {
  if (m_buffer && m_buffer->refs == 1 && m_buffer->capacity >= capacity) {
    return true;
  }
  size_t length = m_buffer ? m_buffer->length : 0;
  size_t grown = capacity;
  if (m_buffer && m_buffer->capacity < capacity) {
    // Grow geometrically so that a long line built byte by byte costs
    // linear time.
    size_t doubled = m_buffer->capacity * 2;
    if (doubled > grown && doubled <= kMaxLength) grown = doubled;
  }
  Buffer* fresh = Allocate(grown);
  if (!fresh) {
    Release();
    return false;
  }
  if (length) memcpy(fresh->text, m_buffer->text, length);
  fresh->length = length;
  fresh->text[length] = '\0';
  Release();
  m_buffer = fresh;
  return true;
}

void CString::Append(const char* text, size_t length) {
  if (!text || length == 0) return;
  size_t current = GetLength();
  if (length > kMaxLength - current) {
    Release();
    return;
  }
  if (!Reserve(current + length)) return;
  memcpy(m_buffer->text + current, text, length);
  m_buffer->length = current + length;
  m_buffer->text[m_buffer->length] = '\0';
}

size_t CString::GetLength() const { return m_buffer ? m_buffer->length : 0; }

bool CString::IsEmpty() const { return GetLength() == 0; }

const char* CString::GetString() const {
  return m_buffer ? m_buffer->text : "";
}

CString operator+(const CString& left, const CString& right) {
  CString result(left);
  result += right;
  return result;
}

CString operator+(const CString& left, const char* right) {
  CString result(left);
  result += right;
  return result;
}

CString operator+(const char* left, const CString& right) {
  CString result(left);
  result += right;
  return result;
}

bool operator==(const CString& left, const CString& right) {
  return left.GetLength() == right.GetLength() &&
         memcmp(left.GetString(), right.GetString(), left.GetLength()) == 0;
}

bool operator==(const CString& left, const char* right) {
  size_t length = right ? strlen(right) : 0;
  return left.GetLength() == length &&
         memcmp(left.GetString(), right ? right : "", length) == 0;
}

bool operator!=(const CString& left, const CString& right) {
  return !(left == right);
}

bool operator!=(const CString& left, const char* right) {
  return !(left == right);
}
