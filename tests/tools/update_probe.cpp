// Shows the launcher's four update checks as the launcher's own code makes
// them: for each tool the installed version, the server's version, both
// numbers and the verdict. For the demo; writes to standard output.
#include <stdio.h>

#include "app/tool_catalogue.h"
#include "records/tool_setup.h"
#include "update/server_client.h"
#include "update/update_check.h"
#include "update/version_number.h"

namespace {

const char* const kNames[TOOL_COUNT] = {"full tool (VANTO)", "launcher (VANTOLITE)",
                                        "third tool (MERAK)", "fourth tool (SOLEN)"};

const char* Shown(const CString& text) {
  return text.IsEmpty() ? "(none)" : text.GetString();
}

}  // namespace

int main() {
  printf("   %-22s %-12s %-12s %12s %12s  %s\n", "tool", "installed", "on server",
         "number", "number", "verdict");
  for (ToolIndex tool = 0; tool < TOOL_COUNT; ++tool) {
    CToolSetup setup;
    CString installed = setup.GetInstalledVersion(tool);
    CString offered = DownloadServerVersion(tool);
    int newer = IsUpdateAvailable(tool);
    printf("   %-22s %-12s %-12s %12lu %12lu  %s\n", kNames[tool], Shown(installed),
           Shown(offered), static_cast<unsigned long>(VersionToNumber(installed)),
           static_cast<unsigned long>(VersionToNumber(offered)),
           newer ? "newer on the server" : "up to date");
  }
  return 0;
}
