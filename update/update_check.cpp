#include "update/update_check.h"

#include "records/tool_setup.h"
#include "update/server_client.h"
#include "update/version_number.h"

int IsUpdateAvailable(ToolIndex index) {
  // Both lookups always run, the registry first: a tool that is not
  // installed is still asked for on the server.
  CToolSetup setup;
  CString installed = setup.GetInstalledVersion(index);
  CString offered = DownloadServerVersion(index);
  return VersionToNumber(installed) < VersionToNumber(offered) ? 1 : 0;
}
