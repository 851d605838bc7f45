// For the demo, with the launcher's own code:
//   update_probe                 the four update checks: for each tool the
//                                installed version, the server's version,
//                                both numbers and the verdict;
//   update_probe states <code>.. the Windows Installer's state of products.
// Writes to standard output.
#include <stdio.h>
#include <string.h>

#include "app/tool_catalogue.h"
#include "installer/installer_api.h"
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

const char* StateName(INSTALLSTATE state) {
  switch (state) {
    case INSTALLSTATE_DEFAULT: return "installed (5)";
    case INSTALLSTATE_LOCAL: return "installed locally (3)";
    case INSTALLSTATE_ABSENT: return "absent (2)";
    case INSTALLSTATE_ADVERTISED: return "advertised (1)";
    case INSTALLSTATE_UNKNOWN: return "not installed (-1)";
    default: return "other";
  }
}

int ShowStates(int count, char** codes) {
  CSystemInstaller installer;
  for (int i = 0; i < count; ++i) {
    printf("%s %s\n", codes[i],
           StateName(installer.Functions().queryProductState(codes[i])));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && strcmp(argv[1], "states") == 0) return ShowStates(argc - 2, argv + 2);
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
