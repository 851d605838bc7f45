#pragma once

// The lead bytes of a double-byte code page laid out like code page 932:
// 0x81 to 0x9F and 0xE0 to 0xFC. Its trail bytes include 0x5C (a backslash)
// and the letters, which is what makes byte-wise scans go wrong.
inline bool DoubleByteLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
