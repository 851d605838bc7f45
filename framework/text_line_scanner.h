#pragma once

#include <stddef.h>

#include "framework/afx_string.h"

// Takes one line of a file read in the C runtime's text mode, from bytes fed
// in pieces of any size:
//   - a CR right before an LF belongs to the line end; any other CR is text;
//   - the line ends at the first LF, which is not part of it;
//   - a Ctrl-Z byte (0x1A) ends the text, as text mode reads it;
//   - the line's text stops at a zero byte, as a zero-terminated line does;
//     the rest of that line is passed over.
// Nothing limits the length of the line but memory.
class CTextLineScanner {
 public:
  CTextLineScanner();

  // Feeds the next bytes; returns how many were taken. Takes none once the
  // line is complete.
  size_t Feed(const char* data, size_t size);
  // The file has no more bytes: the line is complete with what it has.
  void Finish();

  bool IsComplete() const { return m_complete; }
  // True when the text ended (a Ctrl-Z or the end of the file) before any
  // byte: there was no line to read. An empty line ended by LF is a line.
  bool IsEmptyRead() const { return m_complete && !m_sawAny; }
  // True when a Ctrl-Z ended the text: the file has no further lines.
  bool TextEnded() const { return m_textEnded; }
  const CString& Line() const { return m_line; }

 private:
  void AppendText(const char* text, size_t length);

  CString m_line;
  bool m_pendingCr;
  bool m_cut;
  bool m_complete;
  bool m_sawAny;
  bool m_textEnded;
};
