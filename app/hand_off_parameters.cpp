#include "app/hand_off_parameters.h"

#include "framework/bounded_copy.h"

const char* HandOffParameters(const CString& commandLine, char* buffer,
                              size_t bufferSize) {
  if (CopyBounded(buffer, bufferSize, commandLine) < commandLine.GetLength()) {
    return commandLine.GetString();
  }
  return buffer;
}
