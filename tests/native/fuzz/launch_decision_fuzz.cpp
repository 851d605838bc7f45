// From the command line and two check results to the tool started and its
// parameters. The first input byte holds the two results; the rest is the
// command line. The parameters are handed over through a fixed buffer of
// 256 bytes exactly, so that a write past it is caught.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "app/command_line_trim.h"
#include "app/hand_off_parameters.h"
#include "app/launch_decision.h"
#include "tests/native/fuzz/fuzz_check.h"
#include "tests/support/double_byte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  int third = data[0] & 1;
  int fourth = (data[0] >> 1) & 1;
  const char* text = reinterpret_cast<const char*>(data + 1);
  CString line(text, strnlen(text, size - 1));

  CString trimmed = TrimCommandLine(line, DoubleByteLead);
  LaunchChoice choice = ChooseToolToStart(third, fourth, trimmed);
  if (third || fourth) {
    FUZZ_CHECK(choice.tool == TOOL_VANTO && choice.passCommandLine);
  } else if (strcmp(trimmed.GetString(), "MERAK_CALL") == 0) {
    FUZZ_CHECK(choice.tool == TOOL_MERAK && !choice.passCommandLine);
  } else {
    FUZZ_CHECK(choice.tool == TOOL_SOLEN && !choice.passCommandLine);
  }

  std::vector<char> buffer(256);
  const char* parameters = HandOffParameters(trimmed, buffer.data(), buffer.size());
  FUZZ_CHECK(strcmp(parameters, trimmed.GetString()) == 0);
  FUZZ_CHECK((parameters == buffer.data()) == (trimmed.GetLength() <= 255));
  return 0;
}
