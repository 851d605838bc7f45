// Ending the running full tool, with stand-in processes of the test prefix.
#include "installer/full_tool_stopper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_files.h"
#include "tests/support/test_process.h"
#include "tests/support/test_run.h"

namespace {

class FullToolStopperTest : public testing::Test {
 protected:
  FullToolStopperTest()
      : folder(FreshWorkFolder(std::string("stop-") +
                               testing::UnitTest::GetInstance()->current_test_info()->name())) {}
  ~FullToolStopperTest() override {
    for (HANDLE process : started) CloseHandle(process);
    EndProcessesUnder(folder);
  }

  // Starts a copy of the stand-in at `relativePath` that stays running.
  HANDLE StartRunning(const std::string& relativePath) {
    std::string path = folder + "\\" + relativePath;
    MakeFolders(FolderOf(path));
    CopyFileA(StandinToolPath().c_str(), path.c_str(), FALSE);
    HANDLE process = StartProgram(path, "", {"VANTOLITE_STANDIN_STAY=1"});
    EXPECT_NE(nullptr, process);
    started.push_back(process);
    // Running once it wrote its record.
    for (int i = 0; i < 500 && !FileExists(path + ".started"); ++i) Sleep(10);
    return process;
  }

  static bool HasEnded(HANDLE process) {
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  }
  static DWORD ExitCode(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
  }

  std::string folder;
  std::vector<HANDLE> started;
};

TEST_F(FullToolStopperTest, EndsTheFullToolAndWaitsForIt) {
  HANDLE fullTool = StartRunning("Vanto\\Vanto.exe");
  CloseRunningFullTool();
  // Gone, with exit code 0, when the call returns.
  EXPECT_TRUE(HasEnded(fullTool));
  EXPECT_EQ(0u, ExitCode(fullTool));
}

TEST_F(FullToolStopperTest, NameAnywhereInThePathMatches) {
  HANDLE inFolder = StartRunning("Vanto.exe files\\tool.exe");
  CloseRunningFullTool();
  EXPECT_TRUE(HasEnded(inFolder));

  HANDLE endingInName = StartRunning("old\\OldVanto.exe");
  CloseRunningFullTool();
  EXPECT_TRUE(HasEnded(endingInName));
}

TEST_F(FullToolStopperTest, OnlyTheFirstCopyInEnumerationOrderEnds) {
  HANDLE one = StartRunning("one\\Vanto.exe");
  HANDLE two = StartRunning("two\\Vanto.exe");
  DWORD oneId = GetProcessId(one);
  DWORD twoId = GetProcessId(two);
  DWORD first = 0;
  for (const RunningProcess& process : RunningProcesses()) {
    if (process.id == oneId || process.id == twoId) {
      first = process.id;
      break;
    }
  }
  ASSERT_NE(0u, first);

  CloseRunningFullTool();
  EXPECT_EQ(first == oneId, HasEnded(one));
  EXPECT_EQ(first == twoId, HasEnded(two));
  EXPECT_NE(HasEnded(one), HasEnded(two));
}

// No full tool runs: the name in other letter case, other tools and the
// launcher itself are passed over, and nothing ends.
TEST_F(FullToolStopperTest, ProcessesThatAreNotTheFullToolKeepRunning) {
  std::vector<HANDLE> others;
  for (const char* path : {"lower\\vanto.exe", "upper\\VANTO.EXE", "Solen\\Solen.exe",
                           "Lite\\VantoLite.exe"}) {
    others.push_back(StartRunning(path));
  }
  CloseRunningFullTool();
  Sleep(300);
  for (HANDLE other : others) EXPECT_FALSE(HasEnded(other));
}

}  // namespace
