#include "tests/support/test_installer.h"

#include <shlobj.h>

#include "tests/support/test_files.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"

std::string PackagePath(const TestPackage& package) {
  return PackagesFolder() + "\\" + package.file;
}

INSTALLSTATE ProductState(const TestPackage& package) {
  return MsiQueryProductStateA(package.productCode);
}

UINT InstallPackage(const TestPackage& package) {
  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  return MsiInstallProductA(PackagePath(package).c_str(), "ACTION=INSTALL");
}

void RemoveTestProducts() {
  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  for (const TestPackage* package :
       {&kOldPackage, &kNewPackage, &kRestartPackage, &kRefusedPackage}) {
    if (ProductState(*package) != INSTALLSTATE_UNKNOWN) {
      MsiConfigureProductA(package->productCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
    }
    RemoveTree(FolderOf(InstalledFullToolPath(*package)));
  }
  DeleteKeyTree("Software\\Quendar\\Upvane\\VANTO");
}

std::string InstalledFullToolPath(const TestPackage& package) {
  char folder[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
  return std::string(folder) + "\\" + package.folder + "\\Vanto.exe";
}
