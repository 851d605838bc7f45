// Whole runs of the launcher's twin that update the full tool from a real
// installer package on the local update server.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/standin_suite.h"
#include "tests/support/test_files.h"
#include "tests/support/test_installer.h"
#include "tests/support/test_process.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"

namespace {

class FullUpdateTest : public testing::Test {
 protected:
  FullUpdateTest()
      : suite(testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  // The old full tool installed from its package and running; the other
  // tools as stand-ins, all up to date on the server except the full tool,
  // whose new package the server offers.
  void SetUp() override {
    RemoveTestProducts();
    test_server::Reset();
    RemoveFile(TempFolder() + "Vantomsi.msi");
    ASSERT_EQ(0u, InstallPackage(kOldPackage));
    suite.SetVersion(TOOL_VANTOLITE, "1.0.0");
    suite.Install(TOOL_MERAK, "1.0.0");
    suite.Install(TOOL_SOLEN, "1.0.0");
    test_server::PublishVersions("1.0.0");
    test_server::Publish("vantoversion", "2.0.0\r\n");
    test_server::Publish("Vantomsi.msi", ReadWholeFile(PackagePath(kNewPackage)));
    runningFullTool = StartProgram(InstalledFullToolPath(kOldPackage), "",
                                   {"VANTOLITE_STANDIN_STAY=1"});
    ASSERT_NE(nullptr, runningFullTool);
    std::string record = InstalledFullToolPath(kOldPackage) + ".started";
    for (int i = 0; i < 500 && !FileExists(record); ++i) Sleep(10);
  }
  void TearDown() override {
    if (runningFullTool) {
      TerminateProcess(runningFullTool, 1);
      CloseHandle(runningFullTool);
    }
    RemoveTestProducts();
    test_server::Reset();
  }

  // Starts of the full tool installed by `package`, as it recorded them.
  static std::vector<std::string> FullToolStarts(const TestPackage& package) {
    WaitForProcessesUnder(FolderOf(InstalledFullToolPath(package)));
    std::vector<std::string> commandLines;
    for (const std::string& line :
         Lines(ReadWholeFile(InstalledFullToolPath(package) + ".started"))) {
      if (line.compare(0, 8, "cmdline=") == 0) commandLines.push_back(line.substr(8));
    }
    return commandLines;
  }

  void ExpectFullToolReplaced() {
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(runningFullTool, 0))
        << "the running full tool was not ended";
    EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kOldPackage));
    EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
    EXPECT_FALSE(FileExists(TempFolder() + "Vantomsi.msi"));
  }

  StandinSuite suite;
  HANDLE runningFullTool = nullptr;
};

TEST_F(FullUpdateTest, NewerFullToolIsReinstalledButNotStarted) {
  RunLauncher(" MERAK_CALL");
  ExpectFullToolReplaced();
  EXPECT_EQ(1u, suite.Starts(TOOL_MERAK).size());
  EXPECT_EQ(0u, suite.Starts(TOOL_SOLEN).size());
  EXPECT_TRUE(FullToolStarts(kNewPackage).empty());
  // The running copy's own start is its only one.
  EXPECT_EQ(1u, FullToolStarts(kOldPackage).size());
}

TEST_F(FullUpdateTest, NewerFullAndThirdToolStartTheNewFullToolWithTheCommandLine) {
  test_server::Publish("merakversion", "1.0.1");
  RunLauncher(" MERAK_CALL");
  ExpectFullToolReplaced();
  // The "FullPath" written by the new package, read after the reinstall.
  std::vector<std::string> starts = FullToolStarts(kNewPackage);
  ASSERT_EQ(1u, starts.size());
  EXPECT_EQ("\"" + InstalledFullToolPath(kNewPackage) + "\" MERAK_CALL", starts[0]);
  EXPECT_EQ(0, suite.TotalStarts());
}

TEST_F(FullUpdateTest, RefusedPackageStillStartsTheRightTool) {
  test_server::Publish("Vantomsi.msi", ReadWholeFile(PackagePath(kRefusedPackage)));
  RunLauncher("");
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(runningFullTool, 0));
  // The old product was removed before the refused install: no full tool.
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kOldPackage));
  EXPECT_EQ(INSTALLSTATE_UNKNOWN, ProductState(kRefusedPackage));
  EXPECT_FALSE(FileExists(TempFolder() + "Vantomsi.msi"));
  EXPECT_EQ(1u, suite.Starts(TOOL_SOLEN).size());
  EXPECT_EQ(1, suite.TotalStarts());
}

TEST_F(FullUpdateTest, FullToolWithoutRecordIsInstalled) {
  RemoveTestProducts();
  RunLauncher("");
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  EXPECT_EQ(1u, suite.Starts(TOOL_SOLEN).size());
}

TEST_F(FullUpdateTest, LauncherInAFolderNamedLikeTheFullToolDoesNotEndItself) {
  std::string launcher = suite.Folder() + "\\Vanto.exe download\\VantoLite.exe";
  MakeFolders(FolderOf(launcher));
  ASSERT_TRUE(CopyFileA(TwinPath().c_str(), launcher.c_str(), FALSE));
  // With no full tool running, the launcher is the one process whose path
  // holds the name.
  TerminateProcess(runningFullTool, 1);
  WaitForSingleObject(runningFullTool, 5000);
  RunLauncher(" MERAK_CALL", launcher);
  EXPECT_EQ(INSTALLSTATE_DEFAULT, ProductState(kNewPackage));
  EXPECT_EQ(1u, suite.Starts(TOOL_MERAK).size());
}

}  // namespace
