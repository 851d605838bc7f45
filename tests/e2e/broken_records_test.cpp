// Runs of the launcher's twin with tools' records that are broken: values of
// other types, too long, unexpanded, pointing nowhere, or in keys the user
// may only read.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/standin_suite.h"
#include "tests/support/test_process.h"
#include "tests/support/test_registry.h"
#include "tests/support/test_run.h"
#include "tests/support/test_server.h"

namespace {

struct BrokenRecord {
  const char* name;
  std::function<void(StandinSuite&)> breakIt;
  int merakStarts;
  int solenStarts;
  int vantoStarts;
};

const char kSolenKey[] = "Software\\Quendar\\Upvane\\SOLEN";
const char kMerakKey[] = "Software\\Quendar\\Upvane\\MERAK";

const BrokenRecord kRecords[] = {
    // The DWORD's bytes read as text hold no digit: version 0, older than
    // the server's 1.0.0, so the full tool takes the run.
    {"DwordVersion",
     [](StandinSuite&) {
       SetRawValue(kSolenKey, "Version", REG_DWORD, std::string("\x05\0\0\0", 4));
     },
     0, 0, 1},
    {"VersionOver256Bytes",
     [](StandinSuite&) { SetStringValue(kSolenKey, "Version", "1.0.0" + std::string(300, '.')); },
     0, 0, 1},
    {"BinaryFullPathWithoutTerminator",
     [](StandinSuite& suite) {
       SetRawValue(kMerakKey, "FullPath", REG_BINARY, suite.ToolPath(TOOL_MERAK));
     },
     1, 0, 0},
    // The launcher reads the text unexpanded and hands it to the shell as it
    // is; this runtime's shell expands environment strings in a file name.
    {"ExpandableFullPath",
     [](StandinSuite& suite) {
       SetEnvironmentVariableA("VANTOLITE_TOOLS", suite.Folder().c_str());
       SetRawValue(kMerakKey, "FullPath", REG_EXPAND_SZ,
                   std::string("%VANTOLITE_TOOLS%\\Merak\\Merak.exe") + '\0');
     },
     1, 0, 0},
    {"ExpandableFullPathOfAnUnknownVariable",
     [](StandinSuite&) {
       SetRawValue(kMerakKey, "FullPath", REG_EXPAND_SZ,
                   std::string("%VANTOLITE_NO_SUCH_VARIABLE%\\Merak.exe") + '\0');
     },
     0, 0, 0},
    {"FullPathOver256Bytes",
     [](StandinSuite& suite) {
       SetStringValue(kMerakKey, "FullPath",
                      suite.ToolPath(TOOL_MERAK) + std::string(300, ' '));
     },
     0, 0, 0},
    {"FullPathToAMissingFile",
     [](StandinSuite& suite) {
       SetStringValue(kMerakKey, "FullPath", suite.Folder() + "\\gone\\Merak.exe");
     },
     0, 0, 0},
    // Read for starting the tool, but not for its version: all access
    // rights are asked for there, so the tool counts as not installed.
    {"KeyTheUserMayOnlyRead", [](StandinSuite&) { MakeKeyReadOnly(kMerakKey); }, 0, 0, 1},
};

class BrokenRecordTest : public testing::TestWithParam<BrokenRecord> {
 protected:
  BrokenRecordTest() : suite(std::string("broken-") + GetParam().name) {}

  void SetUp() override {
    test_server::Reset();
    suite.InstallAllAt("1.0.0");
    test_server::PublishVersions("1.0.0");
  }
  void TearDown() override {
    test_server::Reset();
    DeleteKeyTree(kSuiteKey);
  }

  StandinSuite suite;
};

TEST_P(BrokenRecordTest, GivesTheResultOfTheRecordAsRead) {
  GetParam().breakIt(suite);
  RunLauncher(" MERAK_CALL");
  EXPECT_EQ(GetParam().merakStarts, static_cast<int>(suite.Starts(TOOL_MERAK).size()));
  EXPECT_EQ(GetParam().solenStarts, static_cast<int>(suite.Starts(TOOL_SOLEN).size()));
  EXPECT_EQ(GetParam().vantoStarts, static_cast<int>(suite.Starts(TOOL_VANTO).size()));
}

INSTANTIATE_TEST_SUITE_P(Records, BrokenRecordTest, testing::ValuesIn(kRecords),
                         [](const testing::TestParamInfo<BrokenRecord>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
