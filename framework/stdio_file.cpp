#include "framework/stdio_file.h"

#include "framework/text_line_scanner.h"

CStdioFile::CStdioFile() : m_next(0), m_end(0), m_ended(false) {}

bool CStdioFile::Open(const char* path) {
  Close();
  m_file.Reset(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return m_file.IsValid();
}

void CStdioFile::Close() {
  m_file.Close();
  m_next = m_end = 0;
  m_ended = false;
}

bool CStdioFile::Fill() {
  if (m_ended || !m_file.IsValid()) return false;
  DWORD read = 0;
  if (!ReadFile(m_file.Get(), m_buffer, sizeof m_buffer, &read, nullptr) ||
      read == 0) {
    m_ended = true;
    return false;
  }
  m_next = 0;
  m_end = read;
  return true;
}

bool CStdioFile::ReadString(CString& line) {
  CTextLineScanner scanner;
  while (!scanner.IsComplete()) {
    if (m_next == m_end && !Fill()) {
      scanner.Finish();
      break;
    }
    m_next += scanner.Feed(m_buffer + m_next, m_end - m_next);
  }
  if (scanner.TextEnded()) m_ended = true;
  line = scanner.Line();
  return !scanner.IsEmptyRead();
}
