#pragma once

#include <stddef.h>

// Tells whether a byte starts a two-byte character in the code page in use.
// The launcher passes the system's ANSI code page (see ansi_code_page.h);
// tests pass a double-byte table of their own.
typedef bool (*LeadByteTest)(unsigned char byte);

// Length in bytes of the character at `text`, given `remaining` bytes from
// there: two for a lead byte that has a trail byte after it, otherwise one.
// A lead byte at the very end, or before a zero byte, is a character alone.
size_t CharLength(const char* text, size_t remaining, LeadByteTest isLead);

// Position of the first occurrence of `needle` in `haystack` that begins at
// the start of a character, case-sensitive, or -1. An empty haystack or an
// empty needle never matches.
ptrdiff_t FindAtCharStart(const char* haystack, size_t haystackLength,
                          const char* needle, size_t needleLength,
                          LeadByteTest isLead);

// The single-byte code pages: no byte leads a two-byte character.
bool NoLeadBytes(unsigned char byte);
