#include "installer/full_tool_stopper.h"

void CloseRunningFullTool() {
  // Not reached while no update check reports a newer full tool.
}
