#include "installer/package_reinstall.h"

#include <windows.h>

#include "app/tool_catalogue.h"
#include "installer/install_result.h"
#include "installer/installer_api.h"
#include "records/tool_setup.h"
#include "update/server_client.h"

bool UpdateFullTool() {
  CString packagePath = DownloadToTempFolder(FULL_TOOL_PACKAGE);
  if (packagePath.IsEmpty()) return false;
  CToolSetup setup;
  return setup.ReinstallPackage(packagePath);
}

bool CToolSetup::ReinstallPackage(const CString& packagePath) {
  CSystemInstaller installer;
  return ReinstallPackage(packagePath, installer.Functions());
}

bool CToolSetup::ReinstallPackage(const CString& packagePath,
                                  const InstallerFunctions& installer) {
  if (!installer.IsComplete()) {
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
  if (!installed) {
    installer.configureProduct(productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
  }
  DeleteFileA(packagePath);
  return installed;
}
