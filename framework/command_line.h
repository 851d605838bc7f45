#pragma once

// The arguments of a process command line as the framework hands them to the
// application: the program name removed (a name in double quotes may hold
// blanks and ends at its closing quote) and the bytes of code 1 to 32 that
// follow it skipped. Points into `commandLine`; null gives "".
const char* SkipProgramName(const char* commandLine);
