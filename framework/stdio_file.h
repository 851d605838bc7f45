#pragma once

#include "framework/afx_string.h"
#include "framework/scoped_handle.h"

// A buffered text file, opened for reading only in text mode.
class CStdioFile {
 public:
  CStdioFile();

  // Opens an existing file for reading; other readers may share it.
  bool Open(const char* path);
  // Reads the next line without its line end (see CTextLineScanner). False
  // when the file had no more line to give; `line` is then empty.
  bool ReadString(CString& line);
  void Close();

 private:
  CStdioFile(const CStdioFile&) = delete;
  CStdioFile& operator=(const CStdioFile&) = delete;

  bool Fill();

  CScopedHandle m_file;
  char m_buffer[4096];
  size_t m_next;
  size_t m_end;
  bool m_ended;
};
