#include "framework/ansi_code_page.h"

#include <windows.h>

bool AnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
