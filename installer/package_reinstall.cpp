#include "installer/package_reinstall.h"

#include <windows.h>

#include "app/tool_catalogue.h"
#include "installer/install_result.h"
#include "installer/installer_api.h"
#include "records/tool_setup.h"
#include "update/server_client.h"

bool UpdateFullTool() {
  // The package stays ours from its download to the end of its install: no
  // other process may change it while it waits there.
  CScopedHandle packageHold;
  CString packagePath = DownloadToTempFolder(FULL_TOOL_PACKAGE, &packageHold);
  if (packagePath.IsEmpty()) return false;
  CToolSetup setup;
  return setup.ReinstallPackage(packagePath, &packageHold);
}

bool CToolSetup::ReinstallPackage(const CString& packagePath, CScopedHandle* packageHold) {
  CSystemInstaller installer;
  return ReinstallPackage(packagePath, packageHold, installer.Functions());
}

bool CToolSetup::ReinstallPackage(const CString& packagePath, CScopedHandle* packageHold,
                                  const InstallerFunctions& installer) {
  if (!installer.IsComplete()) {
    if (packageHold) packageHold->Close();
    DeleteFileA(packagePath);
    return false;
  }

  // The product code is read once; every Installer call below uses it.
  CString productCode = GetInstalledProductCode();
  INSTALLSTATE state = installer.queryProductState(productCode);
  installer.setInternalUI(INSTALLUILEVEL_NONE, nullptr);
  if (state == INSTALLSTATE_LOCAL || state == INSTALLSTATE_DEFAULT) {
    installer.configureProduct(productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
  }

  bool installed = IsInstallSuccess(installer.installProduct(packagePath, "ACTION=INSTALL"));
  if (packageHold) packageHold->Close();
  if (!installed) {
    installer.configureProduct(productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
  }
  DeleteFileA(packagePath);
  return installed;
}
