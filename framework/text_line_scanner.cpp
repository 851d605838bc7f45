#include "framework/text_line_scanner.h"

namespace {

const char kCtrlZ = 0x1A;

bool IsSpecial(char c) {
  return c == '\r' || c == '\n' || c == '\0' || c == kCtrlZ;
}

}  // namespace

CTextLineScanner::CTextLineScanner()
    : m_pendingCr(false),
      m_cut(false),
      m_complete(false),
      m_sawAny(false),
      m_textEnded(false) {}

void CTextLineScanner::AppendText(const char* text, size_t length) {
  if (!m_cut) m_line.Append(text, length);
}

size_t CTextLineScanner::Feed(const char* data, size_t size) {
  size_t at = 0;
  while (at < size && !m_complete) {
    char c = data[at];
    if (m_pendingCr) {
      m_pendingCr = false;
      if (c == '\n') {
        m_complete = true;
        return at + 1;
      }
      AppendText("\r", 1);
    }
    if (c == kCtrlZ) {
      m_textEnded = true;
      m_complete = true;
      return at + 1;
    }
    if (c == '\n') {
      m_sawAny = true;
      m_complete = true;
      return at + 1;
    }
    m_sawAny = true;
    if (c == '\r') {
      m_pendingCr = true;
      ++at;
    } else if (c == '\0') {
      m_cut = true;
      ++at;
    } else {
      size_t run = at;
      while (run < size && !IsSpecial(data[run])) ++run;
      AppendText(data + at, run - at);
      at = run;
    }
  }
  return at;
}

void CTextLineScanner::Finish() {
  if (m_complete) return;
  if (m_pendingCr) AppendText("\r", 1);
  m_pendingCr = false;
  m_complete = true;
}
