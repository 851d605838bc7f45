// Runs of the launcher's twin against the local HTTPS update server.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/standin_suite.h"
#include "tests/support/test_process.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"

namespace {

const char* const kVersionFiles[] = {"vantoversion", "vantoliteversion", "merakversion",
                                     "solenversion"};

class UpdateRunTest : public testing::Test {
 protected:
  UpdateRunTest()
      : suite(testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  // Every tool installed at 3.1.1, and the server offers the same.
  void SetUp() override {
    test_server::Reset();
    suite.InstallAllAt("3.1.1");
    test_server::PublishVersions("3.1.1");
  }
  void TearDown() override { test_server::Reset(); }

  StandinSuite suite;
};

TEST_F(UpdateRunTest, NothingNewerStartsTheToolOfTheCommandLine) {
  RunLauncher(" MERAK_CALL");
  suite.ExpectOnlyStarted(TOOL_MERAK, "");
}

TEST_F(UpdateRunTest, AsksForTheFourVersionFilesInOrder) {
  RunLauncher("");
  std::vector<std::string> requests = test_server::Requests();
  ASSERT_EQ(4u, requests.size());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(std::string("https GET /pctool/Telvane/Q2875/") + kVersionFiles[i],
              requests[i]);
  }
}

TEST_F(UpdateRunTest, NewerFourthToolStartsTheFullToolWithTheCommandLine) {
  test_server::Publish("solenversion", "3.1.2\r\n");
  RunLauncher(" \t MERAK_CALL \t");
  suite.ExpectOnlyStarted(TOOL_VANTO, "MERAK_CALL");
}

TEST_F(UpdateRunTest, NewerThirdToolStartsTheFullToolWithAnEmptyCommandLine) {
  test_server::Publish("merakversion", "4.0");
  RunLauncher("");
  suite.ExpectOnlyStarted(TOOL_VANTO, "");
}

TEST_F(UpdateRunTest, ThirdToolWithoutRecordCountsAsOutdated) {
  DeleteValue(ToolKeyPath(TOOL_MERAK), "Version");
  test_server::Publish("merakversion", "0.0.1");
  RunLauncher(" MERAK_CALL");
  suite.ExpectOnlyStarted(TOOL_VANTO, "MERAK_CALL");
}

TEST_F(UpdateRunTest, LongCommandLineReachesTheFullToolWhole) {
  test_server::Publish("solenversion", "9.0.0");
  std::string words;
  while (words.size() < 600) words += "--option=value ";
  words.pop_back();
  RunLauncher(" " + words);
  suite.ExpectOnlyStarted(TOOL_VANTO, words);
}

TEST_F(UpdateRunTest, NewerLauncherChangesNothing) {
  test_server::Publish("vantoliteversion", "9.9.9");
  RunLauncher(" MERAK_CALL");
  suite.ExpectOnlyStarted(TOOL_MERAK, "");
}

TEST_F(UpdateRunTest, OlderVersionsOnTheServerChangeNothing) {
  for (const char* file : kVersionFiles) test_server::Publish(file, "3.0.9");
  RunLauncher("");
  suite.ExpectOnlyStarted(TOOL_SOLEN, "");
}

TEST_F(UpdateRunTest, UnreachableServerStillStartsTheRightTool) {
  test_server::Publish("solenversion", "9.9.9");
  test_server::SetMode("refuse");
  RunLauncher(" MERAK_CALL");
  suite.ExpectOnlyStarted(TOOL_MERAK, "");
  test_server::SetMode("serve");
  RunLauncher("");
  // (The refused run left nothing behind that changes the next one.)
  std::vector<ToolStart> starts = suite.Starts(TOOL_VANTO);
  EXPECT_EQ(1u, starts.size());
}

TEST_F(UpdateRunTest, SecondLauncherWhileTheFirstWorksEndsAtOnce) {
  test_server::SetBehaviour("vantoversion", "delay:3000");
  HANDLE first = StartProgram(TwinPath(), " MERAK_CALL");
  ASSERT_NE(nullptr, first);
  // The first launcher is inside its first check once the server saw it.
  for (int i = 0; i < 500 && test_server::Requests().empty(); ++i) Sleep(10);
  ASSERT_EQ(1u, test_server::Requests().size());

  ProgramRun second = RunProgram(TwinPath(), "");
  EXPECT_TRUE(second.ended);
  EXPECT_EQ(0u, second.exitCode);
  // It ended while the first one still waits for its first answer.
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(first, 0));
  EXPECT_EQ(1u, test_server::Requests().size());

  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first, 60000));
  DWORD code = 1;
  GetExitCodeProcess(first, &code);
  CloseHandle(first);
  EXPECT_EQ(0u, code);
  suite.ExpectOnlyStarted(TOOL_MERAK, "");
  EXPECT_EQ(4u, test_server::Requests().size());
}

}  // namespace
