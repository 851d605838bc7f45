// The launcher's twin, run as a real process under the test prefix, with
// stand-in tools registered as the suite's tools.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/standin_suite.h"
#include "tests/support/test_files.h"
#include "tests/support/test_process.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"

namespace {

class LaunchTest : public testing::Test {
 protected:
  LaunchTest() : suite(testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    DeleteKeyTree(kSettingsKey);
    suite.Install(TOOL_VANTO);
    suite.Install(TOOL_MERAK);
    suite.Install(TOOL_SOLEN);
  }

  StandinSuite suite;
};

TEST_F(LaunchTest, TokenWithBlanksAndTabsAroundStartsTheThirdToolWithoutParameters) {
  RunLauncher(" \t MERAK_CALL \t ");
  suite.ExpectOnlyStarted(TOOL_MERAK, "");
  // The settings key is only named, never written.
  EXPECT_FALSE(KeyExists(kSettingsKey));
}

TEST_F(LaunchTest, AnyOtherCommandLineStartsTheFourthTool) {
  for (const char* tail : {" merak_call", " MERAK_CALL now", " \"MERAK_CALL\"", ""}) {
    SCOPED_TRACE(tail);
    StandinSuite fresh(std::string("other") + std::to_string(strlen(tail)));
    fresh.Install(TOOL_MERAK);
    fresh.Install(TOOL_SOLEN);
    RunLauncher(tail);
    EXPECT_EQ(0u, fresh.Starts(TOOL_MERAK).size());
    std::vector<ToolStart> starts = fresh.Starts(TOOL_SOLEN);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ("", starts[0].Parameters());
  }
}

TEST_F(LaunchTest, StartedToolKeepsTheLaunchersCurrentFolder) {
  RunLauncher("");
  std::vector<ToolStart> starts = suite.Starts(TOOL_SOLEN);
  ASSERT_EQ(1u, starts.size());
  char own[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, own);
  EXPECT_EQ(std::string(own), starts[0].currentFolder);
}

TEST_F(LaunchTest, MissingFullPathStartsNothing) {
  DeleteValue(ToolKeyPath(TOOL_SOLEN), VALUE_FULL_PATH);
  RunLauncher("");
  EXPECT_EQ(0, suite.TotalStarts());
}

TEST_F(LaunchTest, FullPathToAMissingFileEndsQuietly) {
  SetStringValue(ToolKeyPath(TOOL_SOLEN), VALUE_FULL_PATH,
                 suite.Folder() + "\\Nowhere\\Solen.exe");
  RunLauncher("");
  EXPECT_EQ(0, suite.TotalStarts());
}

TEST_F(LaunchTest, FullPathWithBlanksStartsThatFile) {
  std::string spaced = suite.Folder() + "\\Solen Tool\\Solen Tool.exe";
  MakeFolders(FolderOf(spaced));
  CopyFileA(StandinToolPath().c_str(), spaced.c_str(), FALSE);
  SetStringValue(ToolKeyPath(TOOL_SOLEN), VALUE_FULL_PATH, spaced);
  RunLauncher("");
  WaitForProcessesUnder(suite.Folder());
  EXPECT_NE(std::string::npos,
            ReadWholeFile(spaced + ".started").find("path=" + spaced));
}

TEST_F(LaunchTest, SecondLauncherWhileTheMutexIsHeldDoesNothing) {
  HANDLE held = CreateMutexA(nullptr, TRUE, "VantoLite");
  ASSERT_NE(nullptr, held);
  RunLauncher(" MERAK_CALL");
  CloseHandle(held);
  EXPECT_EQ(0, suite.TotalStarts());
}

TEST_F(LaunchTest, CopyUnderAnotherFileNameIsNotExcluded) {
  std::string copy = suite.Folder() + "\\VantoLiteCopy.exe";
  ASSERT_TRUE(CopyFileA(TwinPath().c_str(), copy.c_str(), FALSE));
  HANDLE held = CreateMutexA(nullptr, TRUE, "VantoLite");
  RunLauncher(" MERAK_CALL", copy);
  CloseHandle(held);
  suite.ExpectOnlyStarted(TOOL_MERAK, "");
}

TEST_F(LaunchTest, LauncherLeavesNoMutexBehind) {
  RunLauncher("");
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "VantoLite");
  EXPECT_EQ(nullptr, mutex);
  if (mutex) CloseHandle(mutex);
}

}  // namespace
