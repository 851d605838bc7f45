#pragma once

// The lead-byte test of the system's ANSI code page, for the scans that take
// double-byte characters as units.
bool AnsiLeadByte(unsigned char byte);
