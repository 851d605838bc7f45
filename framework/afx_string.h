#pragma once

#include <stddef.h>

// A reference-counted narrow string in the system's ANSI code page.
//
// Copies share one buffer until one of them is changed. The text is always
// terminated by a zero byte, so GetString() can be handed to the platform.
// The empty string stands for a missing value throughout the launcher; a
// failed allocation also leaves the string empty, never half-built.
class CString {
 public:
  CString();
  CString(const char* text);  // NOLINT: implicit, like the framework's own
  CString(const char* text, size_t length);
  CString(const CString& other);
  ~CString();

  CString& operator=(const CString& other);
  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);

  // Appends `length` bytes of `text`, which must not lie in this string.
  void Append(const char* text, size_t length);

  size_t GetLength() const;
  bool IsEmpty() const;
  // Never null: the empty string gives "".
  const char* GetString() const;
  operator const char*() const { return GetString(); }  // NOLINT

 private:
  struct Buffer {
    size_t refs;
    size_t length;
    size_t capacity;  // bytes for text, the terminating zero not counted
    char text[1];
  };

  static Buffer* Allocate(size_t capacity);
  void Release();
  // Makes the buffer this string's own with room for `capacity` bytes of
  // text; false (and the string emptied) when memory runs out.
  bool Reserve(size_t capacity);

  Buffer* m_buffer;  // null for the empty string
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const char* right);
CString operator+(const char* left, const CString& right);

// Whole-string, byte-for-byte comparison.
bool operator==(const CString& left, const CString& right);
bool operator==(const CString& left, const char* right);
bool operator!=(const CString& left, const CString& right);
bool operator!=(const CString& left, const char* right);
