#include "installer/package_reinstall.h"

bool UpdateFullTool() {
  // Not reached while no update check reports a newer full tool.
  return false;
}
