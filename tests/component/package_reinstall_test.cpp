// The reinstall of the full tool against the Windows Installer of the test
// prefix, with real packages.
#include "installer/package_reinstall.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/installer_api.h"
#include "records/tool_setup.h"
#include "tests/support/test_files.h"
#include "tests/support/test_installer.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_server.h"

namespace {

const char kRecordKey[] = "Software\\Quendar\\Upvane\\VANTO";

std::string Record(const char* name) {
  HKEY key = nullptr;
  char value[512] = "";
  DWORD size = sizeof value - 1;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRecordKey, 0, KEY_QUERY_VALUE, &key) ==
      ERROR_SUCCESS) {
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
  }
  return value;
}

class PackageReinstallTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestProducts();
    test_server::Reset();
    RemoveFile(DownloadedPackage());
  }
  void TearDown() override {
    RemoveTestProducts();
    test_server::Reset();
    RemoveFile(DownloadedPackage());
  }

  // Where a download leaves the package: the temporary folder.
  static std::string DownloadedPackage() { return TempFolder() + "Vantomsi.msi"; }
  static CString AsDownloaded(const TestPackage& package) {
    CopyFileA(PackagePath(package).c_str(), DownloadedPackage().c_str(), FALSE);
    return DownloadedPackage().c_str();
  }

  CToolSetup setup;
};

TEST_F(PackageReinstallTest, InstalledProductIsReplacedByThePackage) {
  ASSERT_EQ(0u, InstallPackage(kOldPackage));
  ASSERT_EQ(INSTALLSTATE_DEFAULT, ProductState(kOldPackage));

  EXPECT_TRUE(setup.ReinstallPackage(AsDownloaded(kNewPackage)));
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kOldPackage));
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  EXPECT_EQ("2.0.0", Record("Version"));
  EXPECT_EQ(kNewPackage.productCode, Record("ProductID"));
  EXPECT_EQ(InstalledFullToolPath(kNewPackage), Record("FullPath"));
  EXPECT_TRUE(FileExists(InstalledFullToolPath(kNewPackage)));
  EXPECT_FALSE(FileExists(InstalledFullToolPath(kOldPackage)));
  EXPECT_FALSE(FileExists(DownloadedPackage()));
}

TEST_F(PackageReinstallTest, WithoutProductIdThePackageIsStillInstalled) {
  EXPECT_TRUE(setup.ReinstallPackage(AsDownloaded(kNewPackage)));
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  EXPECT_FALSE(FileExists(DownloadedPackage()));
}

TEST_F(PackageReinstallTest, RefusedPackageLeavesTheOldProductRemoved) {
  ASSERT_EQ(0u, InstallPackage(kOldPackage));
  EXPECT_FALSE(setup.ReinstallPackage(AsDownloaded(kRefusedPackage)));
  // The old product went before the install, which then failed.
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kOldPackage));
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kRefusedPackage));
  EXPECT_FALSE(FileExists(DownloadedPackage()));
}

TEST_F(PackageReinstallTest, InstallThatNeedsARestartCountsAsSuccess) {
  ASSERT_EQ(0u, InstallPackage(kOldPackage));
  EXPECT_TRUE(setup.ReinstallPackage(AsDownloaded(kRestartPackage)));
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kOldPackage));
  // Installed and left installed: no second removal.
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kRestartPackage));
  EXPECT_EQ("3.0.0", Record("Version"));
  EXPECT_FALSE(FileExists(DownloadedPackage()));
}

TEST_F(PackageReinstallTest, NewPackageWithTheSameProductCodeStaysInstalled) {
  // The record names the restart package's own code: a second removal after
  // a success that needs a restart would uninstall what was just installed.
  ASSERT_EQ(3010u, InstallPackage(kRestartPackage));
  EXPECT_TRUE(setup.ReinstallPackage(AsDownloaded(kRestartPackage)));
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kRestartPackage));
}

TEST_F(PackageReinstallTest, FailedDownloadTouchesNothing) {
  ASSERT_EQ(0u, InstallPackage(kOldPackage));
  EXPECT_FALSE(UpdateFullTool());  // the server has no package
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kOldPackage));
  EXPECT_EQ("1.0.0", Record("Version"));
  EXPECT_FALSE(FileExists(DownloadedPackage()));
}

TEST_F(PackageReinstallTest, UpdateFullToolInstallsTheServersPackage) {
  ASSERT_EQ(0u, InstallPackage(kOldPackage));
  test_server::Publish("Vantomsi.msi", ReadWholeFile(PackagePath(kNewPackage)));
  EXPECT_TRUE(UpdateFullTool());
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kOldPackage));
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  EXPECT_FALSE(FileExists(DownloadedPackage()));
  ASSERT_EQ(1u, test_server::Requests().size());
  EXPECT_EQ("https GET /pctool/Telvane/Q2875/Vantomsi.msi", test_server::Requests()[0]);
}

// The order of the Installer calls and what they are given, for every state
// the Installer may report and every result it may give, through Installer
// functions that record their calls.
struct Recorded {
  static std::vector<std::string> calls;
  static INSTALLSTATE state;
  static UINT installResult;
  static bool packagePresentAtInstall;

  static INSTALLSTATE WINAPI QueryProductState(LPCSTR product) {
    calls.push_back(std::string("query ") + product);
    return state;
  }
  static INSTALLUILEVEL WINAPI SetInternalUI(INSTALLUILEVEL level, HWND* window) {
    calls.push_back("ui " + std::to_string(level) + (window ? " window" : " null"));
    return INSTALLUILEVEL_DEFAULT;
  }
  static UINT WINAPI ConfigureProduct(LPCSTR product, int level, INSTALLSTATE target) {
    calls.push_back(std::string("configure ") + product + " " + std::to_string(level) + " " +
                    std::to_string(target));
    return 0;
  }
  static UINT WINAPI InstallProduct(LPCSTR package, LPCSTR commandLine) {
    packagePresentAtInstall = FileExists(package);
    calls.push_back(std::string("install ") + commandLine);
    return installResult;
  }
  static InstallerFunctions Functions() {
    return {QueryProductState, SetInternalUI, ConfigureProduct, InstallProduct};
  }
};
std::vector<std::string> Recorded::calls;
INSTALLSTATE Recorded::state;
UINT Recorded::installResult;
bool Recorded::packagePresentAtInstall;

struct OrderCase {
  INSTALLSTATE state;
  UINT installResult;
  bool removedBefore;
  bool installed;
};

class ReinstallOrderTest : public PackageReinstallTest,
                           public testing::WithParamInterface<OrderCase> {};

TEST_P(ReinstallOrderTest, CallsTheInstallerInItsFixedOrder) {
  SetStringValue(kRecordKey, "ProductID", "{CODE}");
  Recorded::calls.clear();
  Recorded::state = GetParam().state;
  Recorded::installResult = GetParam().installResult;

  EXPECT_EQ(GetParam().installed,
            setup.ReinstallPackage(AsDownloaded(kNewPackage), nullptr, Recorded::Functions()));

  std::vector<std::string> expected = {"query {CODE}", "ui 2 null"};
  if (GetParam().removedBefore) expected.push_back("configure {CODE} 0 2");
  expected.push_back("install ACTION=INSTALL");
  if (!GetParam().installed) expected.push_back("configure {CODE} 0 2");
  EXPECT_EQ(expected, Recorded::calls);
  EXPECT_TRUE(Recorded::packagePresentAtInstall);
  EXPECT_FALSE(FileExists(DownloadedPackage()));  // deleted last
}

INSTANTIATE_TEST_SUITE_P(
    StatesAndResults, ReinstallOrderTest,
    testing::Values(OrderCase{INSTALLSTATE_DEFAULT, 0, true, true},
                    OrderCase{INSTALLSTATE_LOCAL, 0, true, true},
                    OrderCase{INSTALLSTATE_ABSENT, 0, false, true},
                    OrderCase{INSTALLSTATE_ADVERTISED, 0, false, true},
                    OrderCase{INSTALLSTATE_SOURCE, 0, false, true},
                    OrderCase{INSTALLSTATE_UNKNOWN, 0, false, true},
                    OrderCase{INSTALLSTATE_INVALIDARG, 0, false, true},
                    OrderCase{INSTALLSTATE_DEFAULT, ERROR_SUCCESS_REBOOT_REQUIRED, true, true},
                    OrderCase{INSTALLSTATE_DEFAULT, ERROR_SUCCESS_REBOOT_INITIATED, true, true},
                    OrderCase{INSTALLSTATE_DEFAULT, ERROR_INSTALL_FAILURE, true, false},
                    OrderCase{INSTALLSTATE_UNKNOWN, ERROR_INSTALL_PACKAGE_INVALID, false, false},
                    OrderCase{INSTALLSTATE_DEFAULT, ERROR_INSTALL_USEREXIT, true, false}));

TEST_F(PackageReinstallTest, MissingProductIdIsPassedOnEmpty) {
  Recorded::calls.clear();
  Recorded::state = INSTALLSTATE_UNKNOWN;
  Recorded::installResult = ERROR_INSTALL_FAILURE;
  EXPECT_FALSE(setup.ReinstallPackage(AsDownloaded(kNewPackage), nullptr, Recorded::Functions()));
  std::vector<std::string> expected = {"query ", "ui 2 null", "install ACTION=INSTALL",
                                       "configure  0 2"};
  EXPECT_EQ(expected, Recorded::calls);
}

}  // namespace
